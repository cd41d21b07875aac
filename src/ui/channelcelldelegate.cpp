#include "ui/channelcelldelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

#include <utility>

void ChannelCellDelegate::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cell = option;
    initStyleOption(&cell, index);
    const QString text = std::exchange(cell.text, QString());
    cell.features &= ~QStyleOptionViewItem::HasDisplay;
    const QWidget *widget = cell.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, widget);
    if (text.isEmpty())
        return;

    // The margins, colours and alignment the style gives an item's text.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect room = cell.rect.adjusted(margin, 0, -margin, 0);
    const QString shown = cell.fontMetrics.elidedText(text, cell.textElideMode, room.width());
    const QSize size(cell.fontMetrics.horizontalAdvance(shown), cell.fontMetrics.height());
    const QRect textRect = QStyle::alignedRect(cell.direction, cell.displayAlignment, size, room);
    QPalette::ColorGroup group = cell.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(cell.state & QStyle::State_Active))
        group = QPalette::Inactive;
    const QPalette::ColorRole role
        = cell.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text;

    painter->save();
    painter->setClipRect(cell.rect);
    painter->setFont(cell.font);
    painter->setPen(cell.palette.color(group, role));
    painter->drawText(QPoint(textRect.left(), textRect.top() + cell.fontMetrics.ascent()), shown);
    painter->restore();
}
