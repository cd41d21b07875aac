#include "ui/docks/undohistorydock.h"

#include "commands/settingshistory.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QUndoView>

UndoHistoryDock::UndoHistoryDock(SettingsHistory *history, QWidget *parent)
    : QDockWidget(tr("Undo History"), parent)
{
    setObjectName(QStringLiteral("undoHistoryDock"));
    setAccessibleName(windowTitle());
    toggleViewAction()->setText(tr("Undo &History"));
    auto *view = new QUndoView(history->stack(), this);
    view->setEmptyLabel(tr("<opened file>"));
    // The view would set the stack's index itself, passing by what the
    // history does before a step (record a pending change, keep a state
    // that a save tidied); the click goes to the history instead.
    QItemSelectionModel *selection = view->selectionModel();
    disconnect(selection, &QItemSelectionModel::currentChanged, view->model(), nullptr);
    connect(selection, &QItemSelectionModel::currentChanged, history, [history](const QModelIndex &current) {
        if (current.isValid() && current.row() != history->stack()->index())
            history->setIndex(current.row());
    });
    setWidget(view);
}
