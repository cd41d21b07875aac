#include "undohistorydock.h"

#include <QAction>
#include <QUndoView>

UndoHistoryDock::UndoHistoryDock(QUndoStack *stack, QWidget *parent)
    : QDockWidget(tr("Undo History"), parent)
{
    setObjectName(QStringLiteral("undoHistoryDock"));
    setAccessibleName(windowTitle());
    toggleViewAction()->setText(tr("Undo &History"));
    auto *view = new QUndoView(stack, this);
    view->setEmptyLabel(tr("<opened file>"));
    setWidget(view);
}
