#pragma once

#include "check/fileproblem.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class QAction;
class QDockWidget;
class QLabel;
class QMainWindow;
class Channel;
class ChannelListWidget;
class Editable;
class EditableTreeWidget;
class ProblemListWidget;
class Settings;

// Runs the file check for the window: owns the "Check file" action and the
// dock that lists the problems, takes the user from a problem to its object
// in the tree or the table, and asks before a file with errors is written.
// While the dock is shown its list follows every change of the store.
class FileCheckController : public QObject
{
    Q_OBJECT

public:
    FileCheckController(QMainWindow *window, EditableTreeWidget *tree, ChannelListWidget *table);

    QAction *checkAction() const { return m_checkAction; }
    QDockWidget *dock() const { return m_dock; }
    ProblemListWidget *problemList() const { return m_list; }
    QString summaryText() const;

    // The store to check, or null when no file is open.
    void setSettings(Settings *settings);
    // True when the store may be written: it has no errors, or the user
    // chose to save anyway.
    bool confirmSave();

public slots:
    // Checks now and shows the dock.
    void checkFile();

private:
    void refresh();
    void refreshIfShown();
    void showObject(Editable *object);
    void showChannel(Channel *channel);
    void selectTreeItemOf(Editable *object);

    QMainWindow *m_window;
    EditableTreeWidget *m_tree;
    ChannelListWidget *m_table;
    QPointer<Settings> m_settings;
    QAction *m_checkAction;
    QDockWidget *m_dock;
    QLabel *m_summary;
    ProblemListWidget *m_list;
    // Gathers the changes of one event-loop turn into one re-check.
    QTimer m_refreshTimer;
};
