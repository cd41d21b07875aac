#pragma once

#include <QList>
#include <QPoint>

#include <memory>

class QContextMenuEvent;
class QKeyEvent;
class QMouseEvent;
class Editable;

// The gestures the object tree and the channel table share, on top of
// their Qt view: a left press on an item becomes either a drag of the
// whole selection or a click, never a selection swept by the mouse; a
// press on a selected item waits until that is known; Delete deletes,
// Return, Enter and F2 edit, Shift+F10 and the Menu key open the context
// menu; and the context menu acts on a selection that holds the item it
// was asked for. The view says what is dragged, deleted and edited.
template<typename View> class EditableViewGestures : public View
{
public:
    using View::View;

protected:
    // The objects a drag carries: the selection's.
    virtual QList<Editable *> draggedEditables() const = 0;
    virtual void deleteSelection() = 0;
    // The keyboard's way to what a double click does.
    virtual void editCurrent() = 0;

    // For a right click, makes the item under the mouse part of the
    // selection; false when the click was over no item.
    bool selectForContextMenu(const QContextMenuEvent *event);

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // The drag is started by mouseMoveEvent with our own payload.
    void startDrag(Qt::DropActions) override { }

private:
    // What a left press on an item has led to so far.
    enum class Press { None, OnItem, OnSelectedItem, Dragged };

    // Hands a held-back press to the view after all.
    void releaseHeldPress();

    QPoint m_dragStart;
    Press m_press = Press::None;
    std::unique_ptr<QMouseEvent> m_heldPress;
};
