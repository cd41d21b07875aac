#pragma once

#include <QObject>

#include <memory>

class QApplication;
class QMainWindow;

// The application's controller: owns the main window and the store of the
// open settings file.
class SettingsEditor : public QObject
{
    Q_OBJECT

public:
    explicit SettingsEditor(QApplication *application);
    ~SettingsEditor() override;

private:
    std::unique_ptr<QMainWindow> m_mainWindow;
};
