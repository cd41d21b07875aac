#pragma once

#include <QObject>

class QAction;
class Channel;
class ChannelListWidget;
class Settings;

// What the user does to the channels of the table, apart from the view:
// create a channel, edit one, delete the selected ones, select the
// duplicates of a service, and choose the columns. Works on the store and
// the list the table shows, each change as one named step of the history.
// Owns its actions; the table, store and history are only referenced.
class ChannelTableActions : public QObject
{
    Q_OBJECT

public:
    explicit ChannelTableActions(ChannelListWidget *table);

    QAction *createAction() const { return m_createAction; }
    QAction *deleteAction() const { return m_deleteAction; }
    QAction *selectColumnsAction() const { return m_selectColumnsAction; }
    QAction *selectDuplicatesAction() const { return m_selectDuplicatesAction; }

    void createChannel();
    void editChannel(Channel *channel);
    void deleteSelectedChannels();
    // Selects every channel but the first of each set that carries the same
    // service, so that one Delete leaves one of each.
    void selectDuplicates();
    void selectColumns();

signals:
    // After a delete, what went, for the status bar.
    void deleted(const QString &summary);
    // The main list should be shown, as if the user picked it in the tree.
    void mainListRequested();

private:
    // Tells the user and returns true when a new channel would not fit the
    // file, or the favourite group shown, any more.
    bool refuseBeyondCapacity(Settings &settings);

    ChannelListWidget *m_table;
    QAction *m_createAction;
    QAction *m_deleteAction;
    QAction *m_selectColumnsAction;
    QAction *m_selectDuplicatesAction;
};
