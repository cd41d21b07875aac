#include "ui/dialogs/aboutbox.h"

#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

QIcon applicationIcon()
{
    QIcon icon;
    for (const int size : { 16, 22, 24, 32, 48, 64, 128, 256 })
        icon.addFile(QStringLiteral(":/appicon/%1x%1/apps/kelmora-settings-editor.png").arg(size));
    return icon;
}

void addHelpMenu(QMenuBar *menuBar)
{
    QMenu *help = menuBar->addMenu(QCoreApplication::translate("AboutBox", "&Help"));
    help->setObjectName(QStringLiteral("menuHelp"));
    QAction *about = help->addAction(QCoreApplication::translate("AboutBox", "&About"), menuBar,
        [menuBar] { showAboutBox(menuBar->window()); });
    about->setObjectName(QStringLiteral("actionAbout"));
    about->setMenuRole(QAction::AboutRole);
    help->addAction(QCoreApplication::translate("AboutBox", "About &Qt"), qApp, &QApplication::aboutQt)
        ->setMenuRole(QAction::AboutQtRole);
}

void showAboutBox(QWidget *parent)
{
    const QString text = QCoreApplication::translate("AboutBox",
        "<h3>Kelmora Settings Editor %1</h3>"
        "<p>Edits the channel set-up of Kelmora 2XX and Kelmora HD satellite receivers.</p>"
        "<p>This program is free software: you can redistribute it and/or modify it under the terms "
        "of the GNU General Public License, version 3 or any later version. It comes with "
        "ABSOLUTELY NO WARRANTY.</p>")
                             .arg(QCoreApplication::applicationVersion().toHtmlEscaped());
    QMessageBox::about(
        parent, QCoreApplication::translate("AboutBox", "About Kelmora Settings Editor"), text);
}
