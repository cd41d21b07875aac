#pragma once

#include <QDockWidget>

class QUndoStack;

// The list of recorded steps beside the panes; a click on a step undoes or
// redoes up to it.
class UndoHistoryDock : public QDockWidget
{
    Q_OBJECT

public:
    UndoHistoryDock(QUndoStack *stack, QWidget *parent = nullptr);
};
