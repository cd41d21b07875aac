#include "ui/recentfiles.h"

#include "ui/pendingpreferences.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString settingsKey = QStringLiteral("recentFiles");

} // namespace

RecentFiles::RecentFiles(QMenu *fileMenu, QAction *before)
    : m_menu(new QMenu(tr("&Recent Files"), fileMenu))
{
    setParent(m_menu);
    m_menu->setObjectName(QStringLiteral("menuRecentFiles"));
    m_menu->setToolTipsVisible(true);
    fileMenu->insertMenu(before, m_menu);
    // Another instance of the editor, or a file manager, may have changed
    // things since the menu was last built.
    connect(m_menu, &QMenu::aboutToShow, this, &RecentFiles::rebuildMenu);
    rebuildMenu();
}

RecentFiles::~RecentFiles()
{
    PendingPreferences::flush();
}

QStringList RecentFiles::files() const
{
    QStringList existing;
    const QStringList stored = PendingPreferences::value(settingsKey).toStringList();
    for (const QString &file : stored) {
        if (QFileInfo::exists(file) && existing.size() < maximumCount)
            existing.append(file);
    }
    return existing;
}

void RecentFiles::add(const QString &fileName)
{
    const QString absolute = QFileInfo(fileName).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, maximumCount));
}

void RecentFiles::clear()
{
    store({});
}

void RecentFiles::store(const QStringList &files)
{
    PendingPreferences::setValue(settingsKey, files);
    // The entries are rebuilt when the menu opens next: the action being
    // triggered right now must not be deleted under its own signal. A
    // disabled menu cannot open, so that state follows at once.
    m_menu->setEnabled(!files.isEmpty());
}

void RecentFiles::rebuildMenu()
{
    m_menu->clear();
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        const QString file = list.at(i);
        // A lone '&' in a file name would be taken for a mnemonic.
        const QString shownName = QFileInfo(file).fileName().replace(u'&', QStringLiteral("&&"));
        QAction *action = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shownName), this,
            [this, file] { emit openRequested(file); });
        action->setToolTip(QDir::toNativeSeparators(file));
        action->setData(file);
    }
    m_menu->addSeparator();
    m_menu->addAction(tr("&Clear List"), this, &RecentFiles::clear)->setEnabled(!list.isEmpty());
    m_menu->setEnabled(!list.isEmpty());
}
