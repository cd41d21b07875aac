#include "recoveryoffer.h"

#include "recoveryfolder.h"
#include "settingseditor.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>

RecoveryOffer::RecoveryOffer(SettingsEditor &editor, QString folder)
    : m_editor(editor)
    , m_folder(std::move(folder))
{ }

QString RecoveryOffer::run()
{
    const QList<RecoveryCopy> copies = RecoveryFolder(m_folder).restorableCopies();
    for (const RecoveryCopy &copy : copies) {
        switch (ask(copy)) {
        case Answer::Restore:
            if (m_editor.restoreRecovered(copy))
                return copy.originalPath;
            break;
        case Answer::Discard:
            if (!RecoveryFolder::remove(copy))
                qWarning("The recovery copy %s could not be deleted", qPrintable(copy.copyPath));
            break;
        case Answer::Later:
            break;
        }
    }
    return {};
}

RecoveryOffer::Answer RecoveryOffer::ask(const RecoveryCopy &copy) const
{
    QMessageBox box(QMessageBox::Question, tr("Recover unsaved changes"),
        tr("The editor did not close cleanly. Unsaved changes to %1 were kept on %2.")
            .arg(QFileInfo(copy.originalPath).fileName(),
                QLocale().toString(copy.copiedAt.toLocalTime(), QLocale::ShortFormat)),
        QMessageBox::NoButton, m_editor.mainWindow());
    box.setInformativeText(tr("Restore opens %1 with these changes for you to save. Discard deletes them.")
                               .arg(QDir::toNativeSeparators(copy.originalPath)));
    QPushButton *restore = box.addButton(tr("Restore"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QMessageBox::Discard);
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore)
        return Answer::Restore;
    if (box.clickedButton() == discard)
        return Answer::Discard;
    // The box has no escape button, but a copy is never deleted unasked.
    return Answer::Later;
}
