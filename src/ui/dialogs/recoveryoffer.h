#pragma once

#include <QCoreApplication>
#include <QString>

class SettingsEditor;
struct RecoveryCopy;

// Offers, when the editor starts, the unsaved changes that an editor which
// did not close cleanly kept, newest first: Restore opens the file with the
// changes for the user to save, Discard deletes them, Later keeps them. It
// first tells of copies found damaged, which are kept aside.
class RecoveryOffer
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryOffer)

public:
    RecoveryOffer(SettingsEditor &editor, QString folder);

    // Asks about each restorable copy until one is restored; returns the
    // file restored, or empty.
    QString run();

private:
    enum class Answer { Restore, Discard, Later };
    Answer ask(const RecoveryCopy &copy) const;
    void tellDamaged(const QString &path) const;

    SettingsEditor &m_editor;
    QString m_folder;
};
