#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;

// Asks what to do when the file the user saves to was changed by another
// program, or another window, since this window read or wrote it.
class ChangedFilePrompt
{
    Q_DECLARE_TR_FUNCTIONS(ChangedFilePrompt)

public:
    enum class Answer { Overwrite, SaveAs, Cancel };

    // Cancel is the default: nothing of either side is lost by it.
    static Answer ask(QWidget *parent, const QString &name);
};
