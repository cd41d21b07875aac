#pragma once

class QTreeView;
class QWidget;

// Lets the user show and hide the columns of any tree view: one check box
// per column of the view's model, named after the column and ticked while
// the column is visible; clicking the name toggles the box. The
// choice applies only when the dialog is accepted. Returns whether it was.
bool selectColumnsDialog(QTreeView *view, QWidget *parent);
