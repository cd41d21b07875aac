#pragma once

#include <QValidator>

class Editable;
class QLabel;
class QLineEdit;
class Settings;
struct StoredName;

// Keeps a dialog's name field within the bytes the name's field in the file
// holds, in the encoding the save will use, and shows the room left beside
// it. A name that does not fit (one from a reference list, say) may still be
// shortened; only what would lengthen it is refused. A child of the field.
class NameRoomValidator : public QValidator
{
    Q_OBJECT

public:
    // Leaves the field and the label alone for a store without name limits.
    static void attach(
        QLineEdit *lineEdit, QLabel *roomLabel, const Settings *settings, const Editable *owner);

    State validate(QString &input, int &pos) const override;

private:
    NameRoomValidator(
        QLineEdit *lineEdit, QLabel *roomLabel, const Settings *settings, const Editable *owner);

    StoredName stored(const QString &name) const;
    void showRoom(const QString &name);

    QLabel *m_roomLabel;
    const Settings *m_settings;
    const Editable *m_owner;
    // The text the field holds now, as far as a change is measured against it.
    qsizetype m_shownLength = 0;
    bool m_shownFits = true;
};
