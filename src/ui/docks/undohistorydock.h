#pragma once

#include <QDockWidget>

class SettingsHistory;

// The list of recorded steps beside the panes; a click on a step undoes or
// redoes up to it, through the history as Edit > Undo does.
class UndoHistoryDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit UndoHistoryDock(SettingsHistory *history, QWidget *parent = nullptr);
};
