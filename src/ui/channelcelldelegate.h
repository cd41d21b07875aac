#pragma once

#include <QStyledItemDelegate>

// Paints a cell of the channel table: the style's background, selection
// and focus frame, and the text as one elided line. The style's own
// painting of an item's text lays it out in full as a paragraph, which was
// most of the cost of showing a screenful of a full file's rows after
// every rebuild.
class ChannelCellDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(
        QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
