#pragma once

#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWidget>

// Keys as a keyboard sends them: to the widget that has the focus. A key sent
// to any other widget skips what decides where it goes (the shortcuts of the
// focused widget's window, focus proxies), so a test gives the focus first,
// by a click where that is the point, else by giveFocus.

// Brings the widget's window to the front and moves the focus to the widget,
// as a user does with the window manager and Tab.
// The test fails, saying so, when it does not get it.
inline bool giveFocus(QWidget *widget)
{
    QWidget *window = widget->window();
    if (!window->isVisible())
        window->show();
    window->activateWindow();
    if (QTest::qWaitForWindowActive(window)) {
        widget->setFocus(Qt::OtherFocusReason);
        if (QTest::qWaitFor([widget] { return widget->hasFocus(); }))
            return true;
    }
    QTest::qFail(qPrintable(QStringLiteral("%1 did not get the keyboard focus")
                                .arg(QString::fromLatin1(widget->metaObject()->className()))),
        __FILE__, __LINE__);
    return false;
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

// The key of the underlined letter of a menu or button text ("&Save" gives S).
inline Qt::Key mnemonicKey(const QString &text)
{
    return QKeySequence::mnemonic(text)[0].key();
}

// Chooses an entry of the focused window's menu bar from the keyboard, as a
// user does: Alt and the menu's underlined letter, then in each menu that
// opens the entry highlighted (as by the arrow keys) and Return. Texts are
// the entries' own, mnemonics included; give the focus first.
inline void chooseFromMenuBar(const QStringList &path)
{
    pressKey(mnemonicKey(path.first()), Qt::AltModifier);
    for (qsizetype i = 1; i < path.size(); ++i) {
        QTRY_VERIFY2(
            QApplication::activePopupWidget(), qPrintable(path.at(i - 1) + QStringLiteral(" did not open")));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QAction *entry = nullptr;
        for (QAction *action : menu->actions())
            if (!action->isSeparator() && action->text() == path.at(i))
                entry = action;
        QVERIFY2(entry, qPrintable(path.at(i) + QStringLiteral(" is not in the menu")));
        menu->setActiveAction(entry);
        QTest::keyClick(menu, Qt::Key_Return);
    }
}

// The texts of the menu bar entries that lead to an action, the action's own
// last; empty when the bar does not hold it.
inline QStringList menuBarPath(const QList<QAction *> &entries, const QAction *action)
{
    for (QAction *entry : entries) {
        if (entry == action)
            return { entry->text() };
        if (QMenu *menu = entry->menu()) {
            const QStringList below = menuBarPath(menu->actions(), action);
            if (!below.isEmpty())
                return QStringList { entry->text() } + below;
        }
    }
    return {};
}

// Chooses an action of the window's menu bar from the keyboard, the focus
// given to `from` first.
inline void chooseFromMenuBar(QWidget *from, const QAction *action)
{
    const auto *bar = from->window()->findChild<QMenuBar *>();
    const QStringList path = bar && action ? menuBarPath(bar->actions(), action) : QStringList();
    QVERIFY2(!path.isEmpty(), "the action is not in the window's menu bar");
    if (giveFocus(from))
        chooseFromMenuBar(path);
}

// Presses a key in a window that has just opened (a dialog, a message box),
// once the focus has moved into it as it does for the user.
inline void pressKeyIn(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const auto inWindow = [window] {
        QWidget *focused = QApplication::focusWidget();
        return focused && (focused == window || window->isAncestorOf(focused));
    };
    if (!QTest::qWaitFor(inWindow)) {
        QTest::qFail("the focus did not move into the window", __FILE__, __LINE__);
        return;
    }
    pressKey(key, modifiers);
}
