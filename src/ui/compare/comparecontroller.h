#pragma once

#include "compare/copiedchannel.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QMainWindow;
class Channel;
class ChannelListWidget;
class CompareDock;
class Editable;
class EditableTreeWidget;
class Settings;
class SettingsHistory;
struct Difference;

// Compares the open file with another one and copies channels over: owns
// "Compare With…", the other file (read-only, never saved), the comparison
// dock and the drops of channels from another file onto the table and the
// favourite groups of the tree. The comparison follows every change of the
// open file; copies go through the store, as one step of the history.
class CompareController : public QObject
{
    Q_OBJECT

public:
    // Reads a settings file, or gives null with the reason.
    using Reader = std::function<std::unique_ptr<Settings>(const QString &path, QString *reason)>;

    CompareController(QMainWindow *window, ChannelListWidget *table, EditableTreeWidget *tree,
        SettingsHistory *history, Reader reader);
    ~CompareController() override;

    QAction *compareAction() const { return m_compareAction; }
    CompareDock *dock() const { return m_dock; }
    Settings *otherSettings() const { return m_other.get(); }

    // The store to work on, or null when no file is open.
    void setSettings(Settings *settings);
    // Opens the other file and shows the comparison; false after telling the user why not.
    bool compareWith(const QString &path);
    // Copies into the open file and tells the user the outcome.
    void copyChannels(const QList<CopiedChannel> &channels, Editable *context, Channel *target);

signals:
    // A channel of the main list is to be selected that the table may not show.
    void mainListNeeded();

public slots:
    void eventCompareWith();

private:
    void refresh();
    void showDifference(const Difference &difference);
    void installDropFilters(ChannelListWidget *table, EditableTreeWidget *tree);

    QMainWindow *m_window;
    ChannelListWidget *m_table;
    EditableTreeWidget *m_tree;
    SettingsHistory *m_history;
    Reader m_reader;
    QPointer<Settings> m_settings;
    std::unique_ptr<Settings> m_other;
    QString m_otherName;
    QAction *m_compareAction;
    CompareDock *m_dock;
    // Many changes in one turn of the event loop are compared again once.
    QTimer m_refresh;
    // The open file changed while the dock was hidden.
    bool m_stale = false;
};
