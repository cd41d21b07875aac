#include "undohistorydock.h"

#include <QUndoView>

UndoHistoryDock::UndoHistoryDock(QUndoStack *stack, QWidget *parent)
    : QDockWidget(tr("Undo history"), parent)
{
    setObjectName(QStringLiteral("undoHistoryDock"));
    auto *view = new QUndoView(stack, this);
    view->setEmptyLabel(tr("<opened file>"));
    setWidget(view);
}
