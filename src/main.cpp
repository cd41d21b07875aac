#include "settingseditor.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    auto editor = std::make_unique<SettingsEditor>(&application);
    const int exitCode = QApplication::exec();
    editor.reset();
    return exitCode;
}
