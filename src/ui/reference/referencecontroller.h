#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QTreeView;
class Settings;
class SettingsHistory;

// Brings another file's channel order into the open file and takes the
// channels out of it: owns "Apply order from…" and the Export menu, asks
// for the files and tells the user what went wrong. The order itself is
// applied through the store, which the window and the views follow.
class ReferenceController : public QObject
{
    Q_OBJECT

public:
    // The table is read, never changed: its shown rows are what the CSV holds.
    // An applied order is a step of the history, named after it.
    ReferenceController(QMainWindow *window, QTreeView *table, SettingsHistory *history);

    QAction *applyOrderAction() const { return m_applyOrderAction; }
    QMenu *exportMenu() const { return m_exportMenu; }

    // The store to work on, or null when no file is open.
    void setSettings(Settings *settings);
    // Asks for a file to write an export to and writes what `bytes` makes,
    // as the exports of this menu do; for exports made elsewhere.
    void exportTo(const QString &caption, const QString &filter, const QString &suffix,
        const std::function<QByteArray()> &bytes);

public slots:
    void applyOrderFrom();
    void exportChannelTable();
    void exportReferenceList();

private:
    // The name the user picked to write to, or empty.
    QString askFileToWrite(const QString &caption, const QString &filter, const QString &suffix);
    void writeExport(const QString &caption, const QString &name, const QByteArray &bytes);
    QByteArray shownTableCsv() const;

    QMainWindow *m_window;
    QTreeView *m_table;
    SettingsHistory *m_history;
    QPointer<Settings> m_settings;
    QAction *m_applyOrderAction;
    QMenu *m_exportMenu;
};
