#include "settingseditor.h"

#include <QApplication>
#include <QMainWindow>

SettingsEditor::SettingsEditor(QApplication *)
    : m_mainWindow(std::make_unique<QMainWindow>())
{
    m_mainWindow->show();
}

SettingsEditor::~SettingsEditor() = default;
