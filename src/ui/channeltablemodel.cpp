#include "ui/channeltablemodel.h"

#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <algorithm>
#include <numeric>
#include <utility>
#include <vector>

namespace {

// What a sort compares for one row: a cell's number or text, or nothing.
// Empty cells count as greater than any value, as they did in the item
// model the table started with, so they close an ascending order.
struct SortKey
{
    bool absent = true;
    qint64 number = 0;
    QString text;

    explicit SortKey(const QVariant &cell)
        : absent(!cell.isValid())
    {
        if (cell.typeId() == QMetaType::Int)
            number = cell.toInt();
        else if (!absent)
            text = cell.toString();
    }
    // Negative, zero or positive, as this key sorts before, with or after the other.
    int compare(const SortKey &other) const
    {
        if (absent || other.absent)
            return int(absent) - int(other.absent);
        if (number != other.number)
            return number < other.number ? -1 : 1;
        // Character codes, not the locale: identifiers such as "100" and
        // "20" sort as text, and the same everywhere.
        return text.compare(other.text);
    }
};

} // namespace

ChannelTableModel::ChannelTableModel(QObject *parent)
    : QAbstractTableModel(parent)
    , m_titles(ChannelColumns::titles() << tr("Position"))
{ }

void ChannelTableModel::setSettings(const Settings *settings)
{
    if (settings == m_settings)
        return;
    // The rows belong to the previous store, whose channels may go any time.
    beginResetModel();
    m_settings = settings;
    m_listOrder.clear();
    m_listPositions.clear();
    m_rows.clear();
    m_rowOf.clear();
    endResetModel();
}

int ChannelTableModel::mainListPosition(const Channel *channel) const
{
    return m_settings ? m_settings->mainChannelList().indexOf(const_cast<Channel *>(channel)) : -1;
}

int ChannelTableModel::listPosition(const Channel *channel) const
{
    if (!m_ownOrder)
        return mainListPosition(channel) + 1;
    if (m_listPositions.isEmpty()) {
        m_listPositions.reserve(m_listOrder.size());
        for (int i = 0; i < m_listOrder.size(); ++i)
            m_listPositions.insert(m_listOrder.at(i), i + 1);
    }
    return m_listPositions.value(channel);
}

bool ChannelTableModel::isInListOrder() const
{
    return m_sortOrder == Qt::AscendingOrder
        && (m_sortColumn == PositionColumn || (!m_ownOrder && m_sortColumn == ChannelColumns::IdColumn));
}

void ChannelTableModel::setChannels(const QList<Channel *> &channels, bool ownOrder)
{
    m_ownOrder = ownOrder;
    m_listPositions.clear();
    if (ownOrder) {
        showInListOrder(channels);
        return;
    }
    // The whole main list, as the Satellites root shows it, is in its own
    // order already: no position need be looked up.
    if (m_settings && channels.isSharedWith(m_settings->mainChannelList().channels())) {
        showInListOrder(channels);
        return;
    }
    // Channels outside the main list tie at -1; they stand in reverse
    // order of the list handed in, as when every row went in on top.
    std::vector<std::pair<int, Channel *>> order;
    order.reserve(size_t(channels.size()));
    for (auto it = channels.crbegin(); it != channels.crend(); ++it)
        order.emplace_back(mainListPosition(*it), *it);
    // Most lists come in main-list order already, the main list above all;
    // then there is nothing to sort.
    const bool inMainOrder = std::adjacent_find(order.crbegin(), order.crend(),
                                 [](const auto &a, const auto &b) { return a.first >= b.first; })
        == order.crend();
    if (inMainOrder)
        std::reverse(order.begin(), order.end());
    else
        std::stable_sort(
            order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });

    QList<Channel *> inMainListOrder;
    inMainListOrder.reserve(qsizetype(order.size()));
    for (const auto &entry : order)
        inMainListOrder.append(entry.second);
    showInListOrder(inMainListOrder);
}

bool ChannelTableModel::holdsTheSameChannels(const QList<Channel *> &channels) const
{
    if (channels.size() != m_listOrder.size() || channels.isEmpty())
        return false;
    QSet<const Channel *> held(m_listOrder.cbegin(), m_listOrder.cend());
    for (const Channel *channel : channels)
        if (!held.remove(channel))
            return false;
    return true;
}

void ChannelTableModel::showInListOrder(const QList<Channel *> &channels)
{
    // The same channels in another order: the rows move, and the selection
    // and the current row move with them, instead of a reset.
    if (holdsTheSameChannels(channels)) {
        if (!reorderInPlace(channels))
            relayout([this, &channels] { m_listOrder = channels; });
        return;
    }
    beginResetModel();
    m_listOrder = channels;
    m_rows = inSortOrder(matching());
    m_rowOf.clear();
    endResetModel();
}

bool ChannelTableModel::setFilterText(const QString &text)
{
    const bool wasFiltered = isFiltered();
    const QString before = filterText();
    m_matcher.setText(text);
    if (text == before || (!wasFiltered && !isFiltered()))
        return false;
    beginResetModel();
    m_rows = inSortOrder(matching());
    m_rowOf.clear();
    endResetModel();
    return true;
}

QList<Channel *> ChannelTableModel::matching() const
{
    if (!isFiltered())
        return m_listOrder;
    QList<Channel *> shown;
    for (Channel *channel : m_listOrder)
        if (m_matcher.matches(channel))
            shown.append(channel);
    return shown;
}

QList<Channel *> ChannelTableModel::inSortOrder(const QList<Channel *> &rows) const
{
    if (isInListOrder())
        return rows;
    // Each key is worked out once, not once per comparison, and the rows
    // are sorted as positions into the keys: moving a position costs less
    // than moving a key. A merge sort compares fewest, and keeps rows with
    // equal keys in their order.
    std::vector<SortKey> keys;
    keys.reserve(size_t(rows.size()));
    for (const Channel *channel : rows)
        keys.emplace_back(cell(channel, m_sortColumn));
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    const int direction = m_sortOrder == Qt::AscendingOrder ? 1 : -1;
    std::stable_sort(order.begin(), order.end(), [&keys, direction](int a, int b) {
        return keys[size_t(a)].compare(keys[size_t(b)]) * direction < 0;
    });
    QList<Channel *> sorted;
    sorted.reserve(rows.size());
    for (const int position : order)
        sorted.append(rows.at(position));
    return sorted;
}

int ChannelTableModel::rowOf(const Channel *channel) const
{
    // Made when first asked: a rebuild that no refresh follows needs none.
    if (m_rowOf.isEmpty() && !m_rows.isEmpty()) {
        m_rowOf.reserve(m_rows.size());
        for (int row = 0; row < m_rows.size(); ++row)
            m_rowOf.insert(m_rows.at(row), row);
    }
    return m_rowOf.value(channel, -1);
}

QVariant ChannelTableModel::cell(const Channel *channel, int column) const
{
    // A store that went before the view let go of it took its channels
    // along, and it says nothing as it goes: its rows show nothing more.
    if (!m_settings)
        return {};
    if (column == PositionColumn)
        return listPosition(channel);
    // A name the save will cut shows cut already, as the receiver will show it.
    if (column == ChannelColumns::NameColumn)
        return m_settings->storedName(channel, channel->name()).text;
    return ChannelColumns::cell(*m_settings, channel, column);
}

void ChannelTableModel::refresh(const Editable *editable)
{
    if (!editable)
        return;
    const int type = editable->typeCode();
    if (type == ChannelType) {
        const int row = rowOf(static_cast<const Channel *>(editable));
        if (row >= 0)
            refreshRow(row);
        return;
    }
    if (type != ProviderType && type != TransponderType && type != SatelliteType)
        return;
    // A renamed provider or satellite, or a transponder with another
    // frequency or satellite, shows in every row that refers to it.
    for (int row = 0; row < m_rows.size(); ++row) {
        const Channel *channel = m_rows.at(row);
        const Transponder *transponder = channel->transponder();
        if (channel->provider() == editable || transponder == editable
            || (transponder && transponder->satellite() == editable))
            refreshRow(row);
    }
}

void ChannelTableModel::refreshRow(int row)
{
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1), { Qt::DisplayRole });
}

bool ChannelTableModel::removeChannel(const Channel *channel)
{
    const int row = rowOf(channel);
    if (row < 0)
        return false;
    beginRemoveRows({}, row, row);
    m_listOrder.removeOne(m_rows.takeAt(row));
    m_rowOf.clear();
    m_listPositions.clear();
    endRemoveRows();
    return true;
}

int ChannelTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ChannelTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ChannelTableModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    return cell(m_rows.at(index.row()), index.column());
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return m_titles.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void ChannelTableModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    relayout([this, column, order] {
        m_sortColumn = column;
        m_sortOrder = order;
    });
}

bool ChannelTableModel::reorderInPlace(const QList<Channel *> &channels)
{
    // Only where each row is the list's position, so that the rows whose
    // channel changed are all the rows whose Position or Id changed.
    const bool wholeList
        = m_ownOrder || (m_settings && channels.size() == m_settings->mainChannelList().count());
    if (!wholeList || !isInListOrder() || isFiltered())
        return false;
    qsizetype first = 0;
    while (first < channels.size() && channels.at(first) == m_rows.at(first))
        ++first;
    qsizetype last = channels.size() - 1;
    while (last > first && channels.at(last) == m_rows.at(last))
        --last;
    // A few rows repaint cheaper than a layout of all; past that the layout
    // costs no more than the paint.
    constexpr qsizetype FewRows = 64;
    if (last - first >= FewRows)
        return false;
    const QList<Channel *> before = std::exchange(m_rows, channels);
    m_listOrder = channels;
    m_listPositions.clear();
    m_rowOf.clear();
    if (first > last)
        return true;
    // The selection and the current row stay with their channels.
    const QModelIndexList persistent = persistentIndexList();
    QModelIndexList from;
    QModelIndexList to;
    for (const QModelIndex &index : persistent) {
        if (index.row() < first || index.row() > last)
            continue;
        from.append(index);
        to.append(this->index(rowOf(before.at(index.row())), index.column()));
    }
    changePersistentIndexList(from, to);
    emit dataChanged(index(int(first), 0), index(int(last), ColumnCount - 1), { Qt::DisplayRole });
    return true;
}

void ChannelTableModel::relayout(const std::function<void()> &change)
{
    // The selection keeps its rows as persistent indexes, made on this signal.
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    QList<Channel *> channelsBefore;
    channelsBefore.reserve(before.size());
    for (const QModelIndex &index : before)
        channelsBefore.append(m_rows.at(index.row()));
    change();
    m_rows = inSortOrder(matching());
    m_rowOf.clear();
    QModelIndexList after;
    after.reserve(before.size());
    for (int i = 0; i < before.size(); ++i)
        after.append(index(rowOf(channelsBefore.at(i)), before.at(i).column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
