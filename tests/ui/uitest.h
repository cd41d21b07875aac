#pragma once

#include "focusedkeys.h"
#include "ui/editablemimedata.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// Words of a space-separated list, to keep expected lists of names short.
inline QStringList words(const char *list)
{
    return QString::fromUtf8(list).split(u' ', Qt::SkipEmptyParts);
}

// Types the text a character at a time, as a keyboard does; unlike
// QTest::keyClicks, also letters beyond Latin-1.
inline void typeText(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

template<typename T> T *named(const QString &name)
{
    auto *object = new T;
    object->setName(name);
    return object;
}

template<typename List> QStringList names(const List &objects)
{
    QStringList texts;
    for (const auto *object : objects)
        texts.append(object->name());
    return texts;
}

// The handlers of the modal windows a test expects, in the order the
// windows open. One timer serves them all, so that a handler can never take
// the window meant for the one queued before it.
struct ModalDrivers
{
    QList<std::function<void(QWidget *)>> handlers;
    QPointer<QWidget> lastHandled;
    QTimer timer;

    ModalDrivers()
    {
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, &timer, [this] {
            QWidget *modal = QApplication::activeModalWidget();
            // A handled window may stay active until its loop has returned.
            if (!modal || modal == lastHandled || handlers.isEmpty())
                return;
            lastHandled = modal;
            const std::function<void(QWidget *)> handle = handlers.takeFirst();
            if (handlers.isEmpty())
                timer.stop();
            handle(modal);
        });
    }
};

inline ModalDrivers &modalDrivers()
{
    static ModalDrivers drivers;
    return drivers;
}

// Drops handlers whose window never opened; call it from cleanup(), so that
// a handler cannot act, with dangling captures, on a later test's window.
inline void cancelPendingModalDrivers()
{
    modalDrivers().handlers.clear();
    modalDrivers().timer.stop();
}

// Drives the next modal window a test's code opens: once it is active,
// `handle` runs on it from the event loop that its exec() spins.
inline void onNextModal(std::function<void(QWidget *)> handle)
{
    modalDrivers().handlers.append(std::move(handle));
    modalDrivers().timer.start();
}

template<typename T> T *child(QWidget *window, const char *name)
{
    return window->findChild<T *>(QLatin1String(name));
}

// Presses a button of a dialog form's button box.
inline void press(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    QTest::mouseClick(child<QDialogButtonBox>(dialog, "buttonBox")->button(which), Qt::LeftButton);
}

// Answers the next message box with `button` and keeps its text.
inline void answerNextMessage(QString *text, QMessageBox::StandardButton button = QMessageBox::Ok)
{
    onNextModal([text, button](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        QVERIFY(box && box->button(button));
        *text = box->text() + u'\n' + box->informativeText();
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    });
}

// Delivers a drag move and, when the move was accepted, the drop, as the
// toolkit does. Returns whether the drop was accepted.
inline bool dragAndDropData(QAbstractItemView *view, const QMimeData *data, const QPoint &pos)
{
    QDragEnterEvent enter(pos, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    QDragMoveEvent move(pos, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &move);
    if (!move.isAccepted()) {
        // A refused drag leaves, as the toolkit's own ends: else the widget
        // that took the last enter stays the target of every later move.
        QDragLeaveEvent leave;
        QApplication::sendEvent(view->viewport(), &leave);
        return false;
    }
    QDropEvent drop(QPointF(pos), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    return drop.isAccepted();
}

inline bool dragAndDrop(QAbstractItemView *view, const QList<Editable *> &objects, const QPoint &pos)
{
    EditableMimeData payload;
    payload.setEditables(objects);
    return dragAndDropData(view, &payload, pos);
}

// Picks `entry` from the next context menu a test's code opens and keeps
// the texts of all its entries in `shown`.
inline void chooseFromNextMenu(const QString &entry, QStringList *shown)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, entry, shown] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        timer->deleteLater();
        timer->stop();
        QAction *chosen = nullptr;
        const QList<QAction *> actions = menu->actions();
        for (QAction *action : actions) {
            shown->append(action->text());
            if (!action->isSeparator() && action->text() == entry)
                chosen = action;
        }
        if (!chosen) {
            menu->close();
            return;
        }
        // Picked as from the keyboard: the entry highlighted, then Return.
        menu->setActiveAction(chosen);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    timer->start();
}
