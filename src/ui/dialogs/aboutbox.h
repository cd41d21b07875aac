#pragma once

class QIcon;
class QMenuBar;
class QWidget;

// The program's icon at every size it is drawn in.
QIcon applicationIcon();

// Adds the Help menu, with the About box and Qt's own, to the menu bar.
void addHelpMenu(QMenuBar *menuBar);

// The About box: the program's name, version and licence.
void showAboutBox(QWidget *parent);
