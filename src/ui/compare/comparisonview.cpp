#include "ui/compare/comparisonview.h"

#include <QDrag>
#include <QMimeData>

ComparisonView::ComparisonView(QWidget *parent)
    : QTreeView(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionMode(ExtendedSelection);
    setSelectionBehavior(SelectRows);
    setEditTriggers(NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(DragOnly);
}

void ComparisonView::startDrag(Qt::DropActions)
{
    QMimeData *data = model()->mimeData(selectionModel()->selectedRows());
    if (!data)
        return;
    // The view's object tree takes the drag, so a test can still read its payload.
    auto *drag = new QDrag(this);
    drag->setMimeData(data);
    drag->exec(Qt::CopyAction);
}
