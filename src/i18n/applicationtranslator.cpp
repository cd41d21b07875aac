#include "i18n/applicationtranslator.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

ApplicationTranslator::~ApplicationTranslator()
{
    remove();
}

bool ApplicationTranslator::install(const QLocale &locale)
{
    remove();
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
    if (!m_editor.load(
            locale, QStringLiteral("kelmora-settings-editor"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(&m_editor);
    return true;
}

void ApplicationTranslator::remove()
{
    QCoreApplication::removeTranslator(&m_editor);
    QCoreApplication::removeTranslator(&m_qt);
}
