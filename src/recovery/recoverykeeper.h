#pragma once

#include "saving/filestamp.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <memory>

class QLockFile;
class Settings;
struct RecoveryCopy;

// Keeps a recovery copy of the store of the open file while it has unsaved
// changes, so that a crash loses at most the last moments of work. A copy
// is written a short while after the changes stop; taking the snapshot is
// the only part done on the calling thread, the write goes to a worker
// thread that also carries out removals, in the order they were asked for.
// The store is only read, never saved, so what the user sees stays as it is.
// Each keeper writes copies of its own, so that two editors with the same
// file open never delete each other's.
// The keeper does not own the store; it lets go of it when the store is
// deleted.
class RecoveryKeeper : public QObject
{
    Q_OBJECT

public:
    explicit RecoveryKeeper(const QString &folder, QObject *parent = nullptr);
    // Waits for the copies handed to the worker, so none is cut short.
    ~RecoveryKeeper() override;

    // The user's application data folder, where the editor keeps its copies.
    static QString defaultFolder();
    // The folder, made if missing, and readable by the user alone.
    static bool makeFolder(const QString &folder);

    QString folder() const { return m_folder; }
    std::chrono::milliseconds delay() const { return std::chrono::milliseconds(m_timer.interval()); }
    void setDelay(std::chrono::milliseconds delay) { m_timer.setInterval(delay); }

    // Follows the store of a file just opened, read as source says. The copy
    // of the file followed until now is removed: its changes were saved or
    // given up.
    void track(Settings *settings, const QString &originalPath, const FileStamp &source = {});
    // Takes over a copy that was restored into the followed store: it is
    // written from now on, and removed when its changes are saved or given
    // up. It keeps saying what its file held when it was taken.
    void adopt(const RecoveryCopy &copy);
    // The store was written to path: the copy is no longer needed, and
    // later changes belong to path.
    void markSaved(const QString &path);
    // The changes are given up or the editor closes cleanly: the copy goes
    // and the store is no longer followed.
    void discard();
    // Takes the copy now rather than after the delay.
    void writeNow();
    // Blocks until every write and removal handed to the worker is done.
    void waitForWorker();

    // Where the copy of the followed file goes; empty when none is followed.
    QString copyPath() const { return m_copyPath; }
    bool isWritePending() const { return m_timer.isActive(); }

private:
    void noteChange();
    void removeCopy();
    void releaseLock();

    QString m_folder;
    QPointer<Settings> m_settings;
    QString m_originalPath;
    FileStamp m_source;
    QString m_copyPath;
    // Tells this editor's copies from those of any other.
    QString m_instance;
    QTimer m_timer;
    // Steady changes must not put the copy off for ever.
    QElapsedTimer m_pendingSince;
    // Tells another editor starting meanwhile that this copy is in use.
    std::unique_ptr<QLockFile> m_lock;
    // One thread, so writes and removals happen in the order asked.
    QThreadPool m_worker;
};
