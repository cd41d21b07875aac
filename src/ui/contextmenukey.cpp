#include "ui/contextmenukey.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

bool ContextMenuKey::handle(QAbstractItemView *view, QKeyEvent *event)
{
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (!shiftF10 && event->key() != Qt::Key_Menu)
        return false;
    const QRect item = view->visualRect(view->currentIndex());
    const QPoint at = item.isValid() ? item.center() : view->viewport()->rect().center();
    QContextMenuEvent menuEvent(
        QContextMenuEvent::Keyboard, at, view->viewport()->mapToGlobal(at), event->modifiers());
    QApplication::sendEvent(view->viewport(), &menuEvent);
    event->accept();
    return true;
}
