#pragma once

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

class QAbstractItemModel;
class QHeaderView;
class QPagedPaintDevice;
class QPainter;

// Lays the channel table out on pages as the user sees it: the visible
// columns in their order and relative widths, the rows in their order
// (filter and sorting included), a header with the file name and the date,
// and page numbers. Reads the view's model and header, changes neither.
class ChannelListPrinter
{
    Q_DECLARE_TR_FUNCTIONS(ChannelListPrinter)

public:
    ChannelListPrinter(const QAbstractItemModel *model, const QHeaderView *header);

    void setFileName(const QString &fileName) { m_fileName = fileName; }
    void setDate(const QDateTime &date) { m_date = date; }

    // The visible columns, left to right.
    QList<int> columns() const { return m_columns; }
    QString headerText() const;
    static QString pageText(int page, int pages);

    // Paints every page; returns how many it painted, 0 when the device
    // could not be painted on.
    int print(QPagedPaintDevice *device) const;

private:
    int rowsPerPage(const QPainter &painter, int height) const;
    void paintPage(QPainter &painter, const QRect &area, int firstRow, int rows, int page, int pages) const;

    const QAbstractItemModel *m_model;
    QList<int> m_columns;
    // The share of the page width each visible column takes.
    QList<double> m_widths;
    QString m_fileName;
    QDateTime m_date = QDateTime::currentDateTime();
};
