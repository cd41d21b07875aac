#pragma once

class QAbstractItemView;
class QKeyEvent;

// Shift+F10 and the Menu key open a view's context menu at its current
// item, so that every command of the menu is within the keyboard's reach.
class ContextMenuKey
{
public:
    // True when the key was one of them and the menu was asked for.
    static bool handle(QAbstractItemView *view, QKeyEvent *event);
};
