#pragma once

#include "saving/safesaver.h"

#include <QObject>
#include <QString>

#include <memory>

class QApplication;
class QMainWindow;
class QMimeData;
class CompareController;
class Editable;
class ChannelOrderActions;
class FileCheckController;
class PrintController;
class QLabel;
class ReferenceController;
class Settings;
class RecentFiles;
class SettingsHistory;
class RecoveryKeeper;
class WindowState;
struct RecoveryCopy;

namespace Ui {
class settingsEditorMainWindow;
}

// The application's controller: owns the main window with its form, the
// store of the open settings file and the name Save writes to. It ties the
// File menu to opening and saving, hands each new store to the two panes
// and keeps the channel table on the object selected in the tree.
class SettingsEditor : public QObject
{
    Q_OBJECT

public:
    explicit SettingsEditor(QApplication *application);
    ~SettingsEditor() override;

    QMainWindow *mainWindow() const { return m_mainWindow.get(); }
    Settings *settings() const { return m_settings.get(); }
    QString fileName() const { return m_fileName; }
    // Lives as long as the window, so each file is backed up once per session.
    SafeSaver &saver() { return m_saver; }
    FileCheckController *fileCheck() const { return m_fileCheck; }
    CompareController *compare() const { return m_compare; }
    // Records every change to the open file as an undoable step. A feature
    // that changes the store within one event-loop turn is one step by
    // itself.
    SettingsHistory *history() const { return m_history; }

    // Replaces the store with the file's; on failure the current file
    // stays and the user is told why.
    bool loadFile(const QString &name);

    // Opens the copy's file and lays the kept changes over it, marked
    // modified so that the user saves them deliberately. When the file
    // changed since, or is missing, the changes open unnamed instead.
    bool restoreRecovered(const RecoveryCopy &copy);
    RecoveryKeeper &recovery() { return *m_recovery; }

public slots:
    void eventOpen();
    void eventSave();
    void eventSaveAs();
    // Closes the file, asking about unsaved changes; the window stays.
    void eventClose();
    void updateChannelList(Editable *editable);
    void updateChannelList();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Writes the store through the saver; on failure tells the user and
    // leaves the file marked modified.
    bool saveFile(const QString &name);
    // Asks whether unsaved changes are to be saved; false when the user
    // cancels or saving fails.
    bool maybeSave();
    // Shows a store in the window under name, empty for one not yet saved.
    void showStore(std::unique_ptr<Settings> loaded, const QString &name);
    void setModified(bool modified);
    // Save, Save as, Close and printing need a file; the model shows with it.
    void setFileActionsEnabled(bool enabled);
    void updateTitle();
    // Gives the controllers of the check, order and export features the store.
    void setControllersSettings(Settings *settings);
    // The filter field and the row count in the status bar.
    void wireChannelFilter();
    void setUpEditMenu();
    // The .si file of a drop from a file manager, or an empty string.
    static QString droppedSettingsFile(const QMimeData *data);

    std::unique_ptr<QMainWindow> m_mainWindow;
    std::unique_ptr<Ui::settingsEditorMainWindow> m_form;
    QString m_fileName;
    // Declared after the window, so it is deleted before the views that
    // show it.
    std::unique_ptr<Settings> m_settings;
    // The object whose channels the table shows, by id: an undo replaces
    // the store's objects by new ones under the same ids.
    quint64 m_currentId = 0;
    SettingsHistory *m_history = nullptr;
    // The table's selection while an undo or redo replaces the channels.
    QList<quint64> m_tableSelection;
    SafeSaver m_saver;
    QString m_formTitle;
    RecentFiles *m_recentFiles = nullptr;
    std::unique_ptr<WindowState> m_windowState;
    FileCheckController *m_fileCheck = nullptr;
    ReferenceController *m_reference = nullptr;
    ChannelOrderActions *m_order = nullptr;
    PrintController *m_print = nullptr;
    QLabel *m_modelLabel = nullptr;
    CompareController *m_compare = nullptr;
    // Declared after the store, so it is gone before the store it reads.
    std::unique_ptr<RecoveryKeeper> m_recovery;
};
