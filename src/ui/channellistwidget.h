#pragma once

#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QTreeView>
#include <QVariant>

#include <array>

class QAction;
class QStandardItem;
class QStandardItemModel;
class Channel;
class Editable;
class Settings;

// The channel table: the channels of the object selected in the tree, one
// row per channel, starting out in the receiver's channel order. The view
// owns its item model and actions; the store and its channels are only
// referenced. Every change the user makes goes through the store, and the
// table follows the store's signals.
class ChannelListWidget : public QTreeView
{
    Q_OBJECT

public:
    enum Column {
        IdColumn,
        NameColumn,
        ProviderColumn,
        SatelliteColumn,
        FrequencyColumn,
        SymbolRateColumn,
        PolarizationColumn,
        ServiceTypeColumn,
        ServiceIdColumn,
        VideoPidColumn,
        AudioPidColumn,
        PcrPidColumn,
        PmtPidColumn,
        ColumnCount
    };

    explicit ChannelListWidget(QWidget *parent = nullptr);
    ~ChannelListWidget() override;

    void setSettings(Settings *settings);
    void showChannels(Editable *editable, const QList<Channel *> &channels);

    Editable *currentEditable() const { return m_currentEditable; }
    QList<Channel *> channels() const { return m_channels; }
    // The channel of the row under a point in viewport coordinates.
    Channel *editableAt(const QPoint &pos) const;
    // Each selected channel once, in the order the view reports the cells.
    QList<Channel *> selectedChannels() const;

    QAction *createAction() const { return m_createAction; }
    QAction *deleteAction() const { return m_deleteAction; }
    QAction *selectColumnsAction() const { return m_selectColumnsAction; }

public slots:
    void QTreeViewDoubleClicked(const QModelIndex &index);
    void deleteSelectedChannels();
    void createChannel();
    void updateEditable(Editable *editable);
    void deleteEditable(Editable *editable);
    void selectColumns();

protected:
    // Runs the channel dialog; a seam so that tests can stand in for the
    // modal dialog.
    virtual bool runChannelDialog(Channel *channel);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void startDrag(Qt::DropActions supportedActions) override;

private:
    using RowValues = std::array<QVariant, ColumnCount>;

    RowValues rowValues(Channel *channel) const;
    void fillRow(int row, Channel *channel);
    void refreshRowsOf(const Editable *owner);
    void createModel();
    QStandardItemModel *newModel();
    void clearTable();
    void installModel(QStandardItemModel *model);
    Channel *channelOfRow(int row) const;
    // The object whose channel list the store should work on, or null (the
    // main list) when the store no longer holds the shown object.
    Editable *context() const;
    // Whether the store still holds every object; a drag payload can
    // outlive the objects it names.
    bool storeHolds(const QList<Editable *> &objects) const;
    bool canDropAt(const QList<Editable *> &dragged, Channel *target) const;
    bool refuseBeyondCapacity();

    QStandardItemModel *m_model = nullptr;
    QPointer<Settings> m_settings;
    Editable *m_currentEditable = nullptr;
    QList<Channel *> m_channels;
    QHash<QStandardItem *, Channel *> m_channelItems;
    // The reverse of m_channelItems, so a refresh finds its row at once.
    QHash<Channel *, QStandardItem *> m_itemOfChannel;
    QPoint m_dragStart;
    QAction *m_createAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_selectColumnsAction = nullptr;
    QStringList m_columnTitles;
};
