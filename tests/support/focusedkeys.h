#pragma once

#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <QWidget>

// Keys as a keyboard sends them: to the widget that has the focus. A key sent
// to any other widget skips what decides where it goes (the shortcuts of the
// focused widget's window, focus proxies), so a test gives the focus first,
// by a click where that is the point, else by giveFocus.

// Brings the widget's window to the front and moves the focus to the widget,
// as a user does with the window manager and Tab; false when it does not get it.
[[nodiscard]] inline bool giveFocus(QWidget *widget)
{
    QWidget *window = widget->window();
    if (!window->isVisible()) {
        window->show();
        if (!QTest::qWaitForWindowExposed(window))
            return false;
    }
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window))
        return false;
    widget->setFocus(Qt::OtherFocusReason);
    return QTest::qWaitFor([widget] { return widget->hasFocus(); });
}

// The widget that takes keys now; fails the test when there is none.
inline QWidget *focusedWidget()
{
    QWidget *focused = QApplication::focusWidget();
    if (!focused)
        QTest::qFail("no widget has the keyboard focus", __FILE__, __LINE__);
    return focused;
}

inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    if (QWidget *focused = focusedWidget())
        QTest::keyClick(focused, key, modifiers);
}

inline void pressKeys(const QKeySequence &keys)
{
    if (QWidget *focused = focusedWidget())
        QTest::keySequence(focused, keys);
}

inline void typeKeys(const QString &text)
{
    if (QWidget *focused = focusedWidget())
        QTest::keyClicks(focused, text);
}
