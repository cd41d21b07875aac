#include "ui/editableviewgestures.h"

#include "ui/contextmenukey.h"
#include "ui/editablemimedata.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeView>
#include <QTreeWidget>

#include <utility>

template<typename View> bool EditableViewGestures<View>::selectForContextMenu(const QContextMenuEvent *event)
{
    if (event->reason() != QContextMenuEvent::Mouse)
        return true;
    // A selection the item is part of stays as it is.
    const QModelIndex index = this->indexAt(event->pos());
    if (index.isValid() && !this->selectionModel()->isSelected(index))
        this->setCurrentIndex(index);
    return index.isValid();
}

template<typename View> void EditableViewGestures<View>::mousePressEvent(QMouseEvent *event)
{
    m_press = Press::None;
    m_heldPress.reset();
    const QModelIndex index = this->indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && index.isValid()) {
        m_dragStart = event->position().toPoint();
        if (this->selectionModel()->isSelected(index)) {
            // The press may begin a drag of the whole selection; whether it
            // was a click that selects this item alone is known on release.
            m_press = Press::OnSelectedItem;
            m_heldPress.reset(event->clone());
            event->accept();
            return;
        }
        m_press = Press::OnItem;
    }
    View::mousePressEvent(event);
}

template<typename View> void EditableViewGestures<View>::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_press == Press::None) {
        if (m_press == Press::Dragged)
            this->setState(QAbstractItemView::NoState);
        m_press = Press::None;
        m_heldPress.reset();
        View::mouseMoveEvent(event);
        return;
    }
    // A press on an item leads to a drag or a click, never to selecting
    // what the mouse passes over.
    if (m_press == Press::Dragged
        || (event->position().toPoint() - m_dragStart).manhattanLength() < QApplication::startDragDistance())
        return;
    m_press = Press::Dragged;
    m_heldPress.reset();
    execEditableDrag(this, draggedEditables());
    // The rest of this press belongs to the finished drag; the base class
    // would take it for a selection from the press onwards.
    this->setState(QAbstractItemView::NoState);
}

template<typename View> void EditableViewGestures<View>::mouseReleaseEvent(QMouseEvent *event)
{
    if (std::exchange(m_press, Press::None) == Press::Dragged) {
        event->accept();
        return;
    }
    releaseHeldPress();
    View::mouseReleaseEvent(event);
}

template<typename View> void EditableViewGestures<View>::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click on a selected item was held back
    // like any other; the double click settles it.
    m_press = Press::None;
    releaseHeldPress();
    View::mouseDoubleClickEvent(event);
}

template<typename View> void EditableViewGestures<View>::releaseHeldPress()
{
    if (const std::unique_ptr<QMouseEvent> held = std::move(m_heldPress))
        View::mousePressEvent(held.get());
}

template<typename View> void EditableViewGestures<View>::keyPressEvent(QKeyEvent *event)
{
    if (ContextMenuKey::handle(this, event))
        return;
    if (event->matches(QKeySequence::Delete)) {
        deleteSelection();
        event->accept();
        return;
    }
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) && this->currentIndex().isValid()
        && this->state() != QAbstractItemView::EditingState) {
        editCurrent();
        event->accept();
        return;
    }
    View::keyPressEvent(event);
}

// The two views that share them.
template class EditableViewGestures<QTreeWidget>;
template class EditableViewGestures<QTreeView>;
