#pragma once

#include "order/channelorder.h"
#include "order/channelsorter.h"

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class Channel;
class ChannelList;
class ChannelListWidget;
class Editable;
class Settings;
class SettingsHistory;

// The order tools of the channel table: moves of the selected channels,
// Move to Position, the sorts, and taking the table's sort as the order.
// Each works on the list the table shows (a favourite group's own list, or
// the main list) and is one undo step named after what it did. Owns its
// actions and their menu; the table, store and history are only referenced.
class ChannelOrderActions : public QObject
{
    Q_OBJECT

public:
    ChannelOrderActions(ChannelListWidget *table, SettingsHistory *history);
    ~ChannelOrderActions() override;

    void setSettings(Settings *settings);
    // "&Order", for the Edit menu and the table's context menu.
    QMenu *menu() const { return m_menu; }
    QAction *takeSortAction() const { return m_takeSort; }
    // What Move to Position does once the position (from 1) is given.
    void moveSelectionTo(int position);

signals:
    void statusMessage(const QString &text);

private:
    enum Move { Up, Down, Top, Bottom };

    QAction *addAction(QMenu *menu, const QString &text, const QKeySequence &key = {});
    void buildSortMenu(QMenu *menu, bool selectionOnly);
    void updateActions();

    void move(Move direction);
    void moveToPosition();
    void reverseSelection();
    void sortBy(ChannelSorter::Key key, bool selectionOnly);
    void takeSort();

    // The favourite group shown, or null for the main list.
    Editable *listContext() const;
    ChannelList *shownList() const;
    ChannelOrder order() const;
    QList<Channel *> selected() const;
    // Applies a new order as one step of that name; the selection follows
    // the given channels.
    void apply(const ChannelOrder::Result &result, const QString &stepName, const QList<Channel *> &follow);

    ChannelListWidget *m_table;
    SettingsHistory *m_history;
    QPointer<Settings> m_settings;
    QMenu *m_menu = nullptr;
    QList<QAction *> m_selectionActions;
    QAction *m_sortList = nullptr;
    QAction *m_takeSort = nullptr;
};
