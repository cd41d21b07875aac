#include "ui/windowstate.h"

#include "ui/channellistwidget.h"
#include "ui/pendingpreferences.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStyle>

namespace {

const QString geometryKey = QStringLiteral("mainWindow/geometry");
const QString stateKey = QStringLiteral("mainWindow/state");
const QString splitterKey = QStringLiteral("mainWindow/splitter");
const QString headerKey = QStringLiteral("channelTable/header");
const QString lastFolderKey = QStringLiteral("fileDialogs/lastFolder");

} // namespace

WindowState::WindowState(QMainWindow *window, QSplitter *splitter, ChannelListWidget *table)
    : m_window(window)
    , m_splitter(splitter)
    , m_table(table)
{ }

void WindowState::restore()
{
    const QSettings settings;
    const QSize formSize = m_window->size();
    // restoreGeometry() accepts a truncated record and makes the window
    // tiny, so the outcome is checked too.
    const QSize least = m_window->minimumSizeHint();
    if (!m_window->restoreGeometry(settings.value(geometryKey).toByteArray())
        || m_window->width() < least.width() || m_window->height() < least.height())
        applyFirstStartSize(formSize);
    // Each part falls back to the form's own on damaged or foreign data.
    m_window->restoreState(settings.value(stateKey).toByteArray());
    m_splitter->restoreState(settings.value(splitterKey).toByteArray());
    m_table->restoreColumnState(settings.value(headerKey).toByteArray());
}

void WindowState::save() const
{
    PendingPreferences::flush();
    QSettings settings;
    settings.setValue(geometryKey, m_window->saveGeometry());
    settings.setValue(stateKey, m_window->saveState());
    settings.setValue(splitterKey, m_splitter->saveState());
    settings.setValue(headerKey, m_table->header()->saveState());
}

QString WindowState::lastFolder()
{
    return PendingPreferences::value(lastFolderKey).toString();
}

void WindowState::setLastFolderOf(const QString &fileName)
{
    PendingPreferences::setValue(lastFolderKey, QFileInfo(fileName).absolutePath());
}

void WindowState::applyFirstStartSize(const QSize &formSize)
{
    const QScreen *screen = m_window->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // Never smaller than the form, unless the screen itself is.
    const QSize size = (available.size() * 2 / 3).expandedTo(formSize).boundedTo(available.size());
    m_window->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, available));
}
