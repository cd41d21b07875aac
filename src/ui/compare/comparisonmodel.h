#pragma once

#include "compare/difference.h"

#include <QAbstractTableModel>
#include <QList>

// The differences of a comparison as rows: kind, object type, name and what
// changed. Rows with a channel of the other file can be dragged, as values
// that rebuild the channel. The objects belong to the two stores.
class ComparisonModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { KindColumn, TypeColumn, NameColumn, ChangesColumn, ColumnCount };
    // The Difference::Kind of a row, as an int.
    static constexpr int KindRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void setDifferences(QList<Difference> differences);
    const Difference &differenceAt(int row) const { return m_differences.at(row); }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

private:
    QList<Difference> m_differences;
};
