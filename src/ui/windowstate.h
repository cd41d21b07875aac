#pragma once

#include <QString>

class QSize;
class ChannelListWidget;
class QMainWindow;
class QSplitter;

// What the main window remembers between runs: its geometry and state, the
// split between the tree and the table, the table's columns (shown or
// hidden, widths, order, sorting) and the folder the file dialogs last
// showed. Holds the widgets without owning them.
class WindowState
{
public:
    WindowState(QMainWindow *window, QSplitter *splitter, ChannelListWidget *table);

    // Call before the window is shown. On the first start the window takes
    // two thirds of the screen, so that the table's columns fit.
    void restore();
    void save() const;

    // The folder to start the file dialogs in; empty before the first file.
    static QString lastFolder();
    static void setLastFolderOf(const QString &fileName);

private:
    void applyFirstStartSize(const QSize &formSize);

    QMainWindow *m_window;
    QSplitter *m_splitter;
    ChannelListWidget *m_table;
};
