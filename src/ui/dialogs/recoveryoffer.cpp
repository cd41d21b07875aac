#include "ui/dialogs/recoveryoffer.h"

#include "recovery/recoveryfolder.h"
#include "ui/settingseditor.h"

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
    QStringList setAside;
    const QList<RecoveryCopy> copies = RecoveryFolder(m_folder).restorableCopies(&setAside);
    for (const QString &path : setAside)
        tellDamaged(path);
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
    const QString file = QDir::toNativeSeparators(copy.originalPath);
    switch (copy.fileState()) {
    case RecoveryCopy::FileState::Unchanged:
        box.setInformativeText(
            tr("Restore opens %1 with these changes for you to save. Discard deletes them.").arg(file));
        break;
    case RecoveryCopy::FileState::Changed:
        box.setInformativeText(tr("%1 was changed since then. Restore opens the changes as a new, unsaved "
                                  "file, and %1 stays as it is now. Discard deletes them.")
                                   .arg(file));
        break;
    case RecoveryCopy::FileState::Missing:
        box.setInformativeText(tr("%1 cannot be found now; it may be on a disk that is not connected. "
                                  "Restore opens the changes as a new, unsaved file. Later keeps them "
                                  "for the next start. Discard deletes them.")
                                   .arg(file));
        break;
    }
    QPushButton *restore = box.addButton(tr("Restore"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QMessageBox::Discard);
    box.addButton(tr("&Later"), QMessageBox::RejectRole);
    box.setDefaultButton(restore);
    box.exec();
    if (box.clickedButton() == restore)
        return Answer::Restore;
    if (box.clickedButton() == discard)
        return Answer::Discard;
    // Closing the box deletes nothing either: a copy is never deleted unasked.
    return Answer::Later;
}

void RecoveryOffer::tellDamaged(const QString &path) const
{
    QMessageBox::warning(m_editor.mainWindow(), tr("Recover unsaved changes"),
        tr("The editor did not close cleanly, and the copy it kept of the unsaved changes at %1 is "
           "damaged: those changes could not be restored.")
                .arg(QLocale().toString(QFileInfo(path).lastModified(), QLocale::ShortFormat))
            + u'\n' + tr("The damaged copy was kept as %1.").arg(QDir::toNativeSeparators(path)));
}
