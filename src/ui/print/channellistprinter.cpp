#include "ui/print/channellistprinter.h"

#include <QAbstractItemModel>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

int lineHeight(const QPainter &painter)
{
    return painter.fontMetrics().height() * 5 / 4;
}

} // namespace

ChannelListPrinter::ChannelListPrinter(const QAbstractItemModel *model, const QHeaderView *header)
    : m_model(model)
{
    double total = 0;
    for (int visual = 0; visual < header->count(); ++visual) {
        const int column = header->logicalIndex(visual);
        if (header->isSectionHidden(column))
            continue;
        m_columns.append(column);
        // A column the view never sized still gets room on paper.
        const double width = std::max(header->sectionSize(column), header->minimumSectionSize());
        m_widths.append(width);
        total += width;
    }
    for (double &width : m_widths)
        width /= total;
}

QString ChannelListPrinter::headerText() const
{
    return tr("%1, %2").arg(
        QFileInfo(m_fileName).fileName(), QLocale().toString(m_date, QLocale::ShortFormat));
}

QString ChannelListPrinter::pageText(int page, int pages)
{
    return tr("Page %1 of %2").arg(page).arg(pages);
}

int ChannelListPrinter::rowsPerPage(const QPainter &painter, int height) const
{
    // The header line, the column titles and the page number take a line each.
    return std::max(1, height / lineHeight(painter) - 3);
}

int ChannelListPrinter::print(QPagedPaintDevice *device) const
{
    QPainter painter;
    if (m_columns.isEmpty() || !painter.begin(device))
        return 0;
    const QRect area = painter.viewport();
    const int perPage = rowsPerPage(painter, area.height());
    const int rows = m_model->rowCount();
    const int pages = std::max(1, (rows + perPage - 1) / perPage);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device->newPage())
            return page;
        paintPage(painter, area, page * perPage, std::min(perPage, rows - page * perPage), page + 1, pages);
    }
    painter.end();
    return pages;
}

void ChannelListPrinter::paintPage(
    QPainter &painter, const QRect &area, int firstRow, int rows, int page, int pages) const
{
    const int line = lineHeight(painter);
    QRect text(area.left(), area.top(), area.width(), line);
    QFont bold = painter.font();
    bold.setBold(true);
    const QFont plain = painter.font();
    painter.setFont(bold);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, headerText());
    text.translate(0, line);

    // One line of cells, each cut to its column.
    auto paintCells = [&](auto cellText) {
        int left = area.left();
        for (int i = 0; i < m_columns.size(); ++i) {
            const int width = int(m_widths.at(i) * area.width());
            const QRect cell(left, text.top(), width - line / 4, line);
            painter.drawText(cell, Qt::AlignLeft | Qt::AlignVCenter,
                painter.fontMetrics().elidedText(cellText(m_columns.at(i)), Qt::ElideRight, cell.width()));
            left += width;
        }
        text.translate(0, line);
    };
    paintCells([this](int column) { return m_model->headerData(column, Qt::Horizontal).toString(); });
    painter.drawLine(area.left(), text.top(), area.right(), text.top());
    painter.setFont(plain);
    for (int row = firstRow; row < firstRow + rows; ++row)
        paintCells([this, row](int column) { return m_model->index(row, column).data().toString(); });

    const QRect footer(area.left(), area.bottom() - line, area.width(), line);
    painter.drawText(footer, Qt::AlignHCenter | Qt::AlignVCenter, pageText(page, pages));
}
