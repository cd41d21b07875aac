#pragma once

#include <QTranslator>

class QLocale;

// The translations of the messages for one locale: the program's own and
// Qt's (the buttons of message boxes, the file dialogs). Installed into the
// application while this object lives.
class ApplicationTranslator
{
public:
    ApplicationTranslator() = default;
    ~ApplicationTranslator();
    ApplicationTranslator(const ApplicationTranslator &) = delete;
    ApplicationTranslator &operator=(const ApplicationTranslator &) = delete;

    // False when the editor has no translation for the locale; the
    // interface then stays in English.
    bool install(const QLocale &locale);

private:
    void remove();

    QTranslator m_editor;
    QTranslator m_qt;
};
