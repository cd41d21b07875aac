#include "ui/dialogs/nameroomvalidator.h"

#include "store/settings.h"

#include <QLabel>
#include <QLineEdit>

void NameRoomValidator::attach(
    QLineEdit *lineEdit, QLabel *roomLabel, const Settings *settings, const Editable *owner)
{
    if (!settings || settings->storedName(owner, QString()).bytesLeft == StoredName::Unlimited) {
        roomLabel->hide();
        return;
    }
    lineEdit->setValidator(new NameRoomValidator(lineEdit, roomLabel, settings, owner));
}

NameRoomValidator::NameRoomValidator(
    QLineEdit *lineEdit, QLabel *roomLabel, const Settings *settings, const Editable *owner)
    : QValidator(lineEdit)
    , m_roomLabel(roomLabel)
    , m_settings(settings)
    , m_owner(owner)
{
    connect(lineEdit, &QLineEdit::textChanged, this, &NameRoomValidator::showRoom);
    showRoom(lineEdit->text());
}

QValidator::State NameRoomValidator::validate(QString &input, int &) const
{
    if (stored(input).bytesLeft >= 0)
        return Acceptable;
    // An edit that neither pushes a fitting name over nor lengthens one that
    // is over already: deleting from a name too long must stay possible.
    return m_shownFits || input.size() > m_shownLength ? Invalid : Acceptable;
}

StoredName NameRoomValidator::stored(const QString &name) const
{
    return m_settings->storedName(m_owner, name);
}

void NameRoomValidator::showRoom(const QString &name)
{
    const int left = stored(name).bytesLeft;
    m_shownLength = name.size();
    m_shownFits = left >= 0;
    // Spelled out, since the untranslated text has no plural forms.
    if (left == 1)
        m_roomLabel->setText(tr("1 byte left"));
    else if (left >= 0)
        m_roomLabel->setText(tr("%1 bytes left").arg(left));
    else if (left == -1)
        m_roomLabel->setText(tr("1 byte too many"));
    else
        m_roomLabel->setText(tr("%1 bytes too many").arg(-left));
}
