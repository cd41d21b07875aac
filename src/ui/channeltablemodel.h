#pragma once

#include "search/channelmatcher.h"
#include "store/channelcolumns.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QStringList>

#include <functional>

class Channel;
class Editable;
class Settings;

// The rows of the channel table: a list of channel pointers, whose cells are
// worked out from the channel whenever the view asks. The store and its
// channels are only referenced. The channels given to the table are kept
// apart from the rows shown, in list order (a favourite group's own order,
// else main-list order), so that a later narrowing of the rows only changes
// which of them are shown. The user's sort column and order, and the filter
// text, belong to the model and apply again after every rebuild.
//
// Beside the columns every export shows, the table has a Position column:
// the channel's place in the list shown, counted from 1.
class ChannelTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using Column = ChannelColumns::Column;
    static constexpr int PositionColumn = ChannelColumns::ColumnCount;
    static constexpr int ColumnCount = PositionColumn + 1;

    explicit ChannelTableModel(QObject *parent = nullptr);

    void setSettings(const Settings *settings);
    // The rebuild: rows in list order, then in the current sort order. A
    // favourite group's channels come in their own order and keep it; any
    // other channels are put in main-list order.
    void setChannels(const QList<Channel *> &channels, bool ownOrder = false);

    // Narrows the rows to the given channels the text matches; an empty
    // text shows them all. A channel edited afterwards keeps its row until
    // the next rebuild, whether or not it still matches. False when the
    // rows stay as they were.
    bool setFilterText(const QString &text);
    QString filterText() const { return m_matcher.text(); }
    bool isFiltered() const { return !m_matcher.isEmpty(); }
    // How many channels the last rebuild was given, shown or not.
    int givenCount() const { return int(m_listOrder.size()); }
    // The rows shown, top to bottom.
    QList<Channel *> rows() const { return m_rows; }

    Channel *channelAt(int row) const { return m_rows.value(row); }
    int rowOf(const Channel *channel) const;
    // The cell as shown: an integer, a text, or nothing for an absent value.
    QVariant cell(const Channel *channel, int column) const;

    // A changed channel, or a provider, transponder or satellite that rows show.
    void refresh(const Editable *editable);
    // Takes the channel's row out; the others keep their order.
    bool removeChannel(const Channel *channel);

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }
    // Whether the rows stand as the list does: sorted by Position
    // ascending, or by Id ascending where the list is the main list's order.
    bool isInListOrder() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    int mainListPosition(const Channel *channel) const;
    // The channel's place in the list shown, from 1; 0 outside it.
    int listPosition(const Channel *channel) const;
    // The rebuild of channels already in list order.
    void showInListOrder(const QList<Channel *> &channels);
    bool holdsTheSameChannels(const QList<Channel *> &channels) const;
    // A reorder of a few neighbouring rows of the whole list as shown in
    // list order: those rows are refreshed, the others stay untouched.
    bool reorderInPlace(const QList<Channel *> &channels);
    // Rows in a new order after the change, the persistent indexes with them.
    void relayout(const std::function<void()> &change);
    QList<Channel *> inSortOrder(const QList<Channel *> &rows) const;
    // The given channels the filter lets through, in list order.
    QList<Channel *> matching() const;
    void refreshRow(int row);

    QPointer<const Settings> m_settings;
    QStringList m_titles;
    // The channels in list order; a sort starts from this order, so that
    // rows with equal keys always stand in list order.
    QList<Channel *> m_listOrder;
    bool m_ownOrder = false;
    mutable QHash<const Channel *, int> m_listPositions;
    QList<Channel *> m_rows;
    ChannelMatcher m_matcher;
    mutable QHash<const Channel *, int> m_rowOf;
    int m_sortColumn = PositionColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
