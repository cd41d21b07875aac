#include "ui/compare/comparisonmodel.h"

#include "compare/copiedchannel.h"
#include "model/channel.h"

#include <QMimeData>

#include <algorithm>

namespace {

QString typeTitle(int type)
{
    switch (type) {
    case SatelliteType:
        return ComparisonModel::tr("Satellite");
    case TransponderType:
        return ComparisonModel::tr("Transponder");
    case ProviderType:
        return ComparisonModel::tr("Provider");
    default:
        return ComparisonModel::tr("Channel");
    }
}

// The channel of the other file that a row can bring over.
const Channel *otherChannel(const Difference &difference)
{
    return difference.type == ChannelType ? static_cast<const Channel *>(difference.there) : nullptr;
}

} // namespace

void ComparisonModel::setDifferences(QList<Difference> differences)
{
    beginResetModel();
    m_differences = std::move(differences);
    endResetModel();
}

int ComparisonModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_differences.size());
}

int ComparisonModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ComparisonModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Difference &difference = m_differences.at(index.row());
    if (role == KindRole)
        return int(difference.kind);
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole)
        return QVariant();
    switch (index.column()) {
    case KindColumn:
        return Difference::kindTitle(difference.kind);
    case TypeColumn:
        return typeTitle(difference.type);
    case NameColumn:
        return difference.label;
    case ChangesColumn:
        return difference.changesText();
    }
    return QVariant();
}

QVariant ComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case KindColumn:
        return tr("Difference");
    case TypeColumn:
        return tr("Type");
    case NameColumn:
        return tr("Name");
    case ChangesColumn:
        return tr("What Differs");
    }
    return QVariant();
}

Qt::ItemFlags ComparisonModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && otherChannel(m_differences.at(index.row())))
        flags |= Qt::ItemIsDragEnabled;
    return flags;
}

QStringList ComparisonModel::mimeTypes() const
{
    return { CopiedChannel::mimeType };
}

QMimeData *ComparisonModel::mimeData(const QModelIndexList &indexes) const
{
    // In the order of the rows, however the user selected them.
    QList<int> rows;
    for (const QModelIndex &index : indexes)
        if (index.isValid())
            rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<const Channel *> channels;
    for (int row : rows)
        if (const Channel *channel = otherChannel(m_differences.at(row)))
            channels.append(channel);
    if (channels.isEmpty())
        return nullptr;
    auto *data = new QMimeData;
    data->setData(CopiedChannel::mimeType, CopiedChannel::encode(CopiedChannel::listOf(channels)));
    return data;
}
