#include "settingseditor.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    SettingsEditor editor(&application);
    return QApplication::exec();
}
