#include "ui/dialogs/changedfileprompt.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

ChangedFilePrompt::Answer ChangedFilePrompt::ask(QWidget *parent, const QString &name)
{
    QMessageBox box(QMessageBox::Warning, tr("Save settings"),
        tr("%1 was changed by another program since it was opened or saved in this window.")
            .arg(QDir::toNativeSeparators(name)),
        QMessageBox::NoButton, parent);
    box.setInformativeText(tr("Overwrite replaces those changes with yours; no backup is taken of them. "
                              "Save As… keeps them and saves yours under another name."));
    QPushButton *overwrite = box.addButton(tr("&Overwrite"), QMessageBox::DestructiveRole);
    QPushButton *saveAs = box.addButton(tr("Save &As…"), QMessageBox::AcceptRole);
    QPushButton *cancel = box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == overwrite)
        return Answer::Overwrite;
    return box.clickedButton() == saveAs ? Answer::SaveAs : Answer::Cancel;
}
