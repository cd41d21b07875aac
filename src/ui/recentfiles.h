#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

// The "Recent files" submenu of the File menu: the settings files opened or
// saved last, newest first, kept between runs. Files that no longer exist
// are left out. The submenu is owned by the File menu, this object by the
// submenu.
class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int maximumCount = 8;

    // Inserts the submenu into `fileMenu` before `before` (at the end when
    // null).
    RecentFiles(QMenu *fileMenu, QAction *before);
    // Writes the list if its write is still pending.
    ~RecentFiles() override;

    QMenu *menu() const { return m_menu; }
    // The remembered files that still exist, newest first.
    QStringList files() const;
    void add(const QString &fileName);
    void clear();

signals:
    void openRequested(const QString &fileName);

private:
    void store(const QStringList &files);
    void rebuildMenu();

    QMenu *m_menu;
};
