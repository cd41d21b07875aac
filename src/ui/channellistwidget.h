#pragma once

#include "ui/channeltableactions.h"
#include "ui/channeltablemodel.h"
#include "ui/editableviewgestures.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QTreeView>

class QAction;
class QMenu;
class QLineEdit;
class Channel;
class Editable;
class Settings;
class SettingsHistory;

// The channel table: the channels of the object selected in the tree, one
// row per channel, in the receiver's channel order or the order the user
// chose by a header click. The view owns its model and its actions
// (ChannelTableActions); the store and its channels are only referenced.
// Every change the user makes goes through the store, and the table follows
// the store's signals.
class ChannelListWidget : public EditableViewGestures<QTreeView>
{
    Q_OBJECT

public:
    using Column = ChannelTableModel::Column;

    explicit ChannelListWidget(QWidget *parent = nullptr);
    ~ChannelListWidget() override;

    void setSettings(Settings *settings);
    Settings *settings() const;
    // The history whose steps the table's actions name, or null.
    void setHistory(SettingsHistory *history) { m_history = history; }
    SettingsHistory *history() const { return m_history; }
    void showChannels(Editable *editable, const QList<Channel *> &channels);

    Editable *currentEditable() const { return m_currentEditable; }
    // The channels handed to the last rebuild, whether or not a row shows them.
    QList<Channel *> channels() const { return m_channels; }
    ChannelTableModel *tableModel() const { return m_model; }
    // The object whose channel list the store should work on, or null (the
    // main list) when the store no longer holds the shown object.
    Editable *context() const;
    // The channel of the row under a point in viewport coordinates.
    Channel *editableAt(const QPoint &pos) const;
    // Each selected channel once, in the order the rows were selected.
    QList<Channel *> selectedChannels() const;
    // Selects the rows of those channels that are shown, and nothing else,
    // and makes the current one (the first, unless given) current and brings
    // it into sight.
    void selectChannels(const QList<Channel *> &channels, Channel *current = nullptr);
    // Offered in the context menu, below the table's own entries.
    void addContextMenu(QMenu *menu);

    // The field whose text filters the rows; the table follows it and
    // empties it when a command needs every row.
    void setFilterField(QLineEdit *field);
    void clearFilter();
    // "37 of 10000 channels" while a filter hides rows, else "10000 channels".
    QString rowCountText() const;
    // The selection by id, taken while its channels exist, and put back on
    // the rows of the channels that came back under those ids (an undo).
    QList<quint64> selectedChannelIds() const;
    void selectChannelsById(const QList<quint64> &ids);

    // Column widths, order and visibility of an earlier run; once restored
    // they win over sizing the columns to a new file's contents.
    bool restoreColumnState(const QByteArray &state);

    QAction *createAction() const { return m_actions->createAction(); }
    QAction *deleteAction() const { return m_actions->deleteAction(); }
    QAction *selectColumnsAction() const { return m_actions->selectColumnsAction(); }
    QAction *selectDuplicatesAction() const { return m_actions->selectDuplicatesAction(); }

    // Runs the channel dialog; a seam so that tests can stand in for the
    // modal dialog.
    virtual bool runChannelDialog(Channel *channel);

signals:
    void rowCountTextChanged(const QString &text);
    // A passing word for the status bar, such as why a drop is refused.
    void statusMessage(const QString &text);
    // The channels of the Satellites root should be shown, as if the user
    // picked it in the tree; whoever decides what is shown answers with
    // showChannels.
    void mainListRequested();
    // After a delete, what went, for the status bar.
    void deleted(const QString &summary);

public slots:
    void QTreeViewDoubleClicked(const QModelIndex &index);
    void deleteSelectedChannels() { m_actions->deleteSelectedChannels(); }
    void createChannel() { m_actions->createChannel(); }
    void updateEditable(Editable *editable);
    void deleteEditable(Editable *editable);
    void selectColumns() { m_actions->selectColumns(); }
    void setFilterText(const QString &text);
    void selectDuplicates() { m_actions->selectDuplicates(); }

protected:
    QList<Editable *> draggedEditables() const override;
    void deleteSelection() override { deleteSelectedChannels(); }
    void editCurrent() override { QTreeViewDoubleClicked(currentIndex()); }
    bool eventFilter(QObject *watched, QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Channel *channelOfRow(int row) const;
    void sizeColumnsToContents();
    // Whether the store still holds every object; a drag payload can
    // outlive the objects it names.
    bool storeHolds(const QList<Editable *> &objects) const;
    bool canDropAt(const QList<Editable *> &dragged, Channel *target) const;
    // Whether a drop here may go ahead; says why not in the status bar.
    bool acceptsDrop(const QList<Editable *> &dragged, Channel *target);
    // Marks the edges of the target's row where dropped rows will land.
    void showDropIndicator(const QList<Editable *> &dragged, Channel *target);
    void announceRowCount();

    ChannelTableModel *m_model = nullptr;
    QPointer<Settings> m_settings;
    SettingsHistory *m_history = nullptr;
    Editable *m_currentEditable = nullptr;
    QList<Channel *> m_channels;
    // A new file's first rows size the columns; later rebuilds keep the
    // widths the user may have set.
    bool m_sizeColumnsOnNextFill = false;
    bool m_columnsRemembered = false;
    ChannelTableActions *m_actions = nullptr;
    QPointer<QLineEdit> m_filterField;
    QList<QPointer<QMenu>> m_contextMenus;
    // The target row of a drag over the table, and whether rows land above
    // it, below it, or both (some come from either side).
    QRect m_dropRow;
    bool m_dropAbove = false;
    bool m_dropBelow = false;
};
