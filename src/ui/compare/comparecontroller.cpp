#include "ui/compare/comparecontroller.h"

#include "compare/channelcopier.h"
#include "compare/settingscomparison.h"
#include "model/channel.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/compare/channeldropfilter.h"
#include "ui/compare/comparedock.h"
#include "ui/editabletreewidget.h"
#include "ui/namedstep.h"
#include "ui/windowstate.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QStatusBar>

CompareController::CompareController(QMainWindow *window, ChannelListWidget *table, EditableTreeWidget *tree,
    SettingsHistory *history, Reader reader)
    : QObject(window)
    , m_window(window)
    , m_table(table)
    , m_tree(tree)
    , m_history(history)
    , m_reader(std::move(reader))
    , m_compareAction(new QAction(tr("Compare &With…"), this))
    , m_dock(new CompareDock(window))
{
    m_compareAction->setObjectName(QStringLiteral("actionCompareWith"));
    m_compareAction->setStatusTip(tr("Shows what differs from another settings file"));
    connect(m_compareAction, &QAction::triggered, this, &CompareController::eventCompareWith);
    window->addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    m_dock->hide();
    connect(m_dock, &CompareDock::differenceActivated, this, &CompareController::showDifference);
    connect(m_dock, &CompareDock::copyRequested, this, [this](const QList<const Channel *> &channels) {
        copyChannels(CopiedChannel::listOf(channels), nullptr, nullptr);
    });
    m_refresh.setSingleShot(true);
    m_refresh.setInterval(0);
    connect(&m_refresh, &QTimer::timeout, this, &CompareController::refresh);
    // A hidden dock is compared again only once it is shown.
    connect(m_dock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && m_stale)
            refresh();
    });
    installDropFilters(table, tree);
    setSettings(nullptr);
}

CompareController::~CompareController() = default;

void CompareController::installDropFilters(ChannelListWidget *table, EditableTreeWidget *tree)
{
    // Onto a row: in front of it; onto empty space: at the end.
    auto *onTable = new ChannelDropFilter(table, [this, table](const QPoint &pos) {
        return ChannelDropFilter::Target { bool(m_settings), table->editableAt(pos) };
    });
    connect(onTable, &ChannelDropFilter::channelsDropped, this,
        [this, table](const QList<CopiedChannel> &channels, Editable *target) {
            Editable *context = table->currentEditable();
            copyChannels(channels, m_settings && m_settings->contains(context) ? context : nullptr,
                static_cast<Channel *>(target));
        });
    // Only a favourite group of the tree takes channels.
    auto *onTree = new ChannelDropFilter(tree, [this, tree](const QPoint &pos) {
        Editable *editable = tree->editableAt(pos);
        const bool group = m_settings && editable && editable->typeCode() == FavoriteGroupType;
        return ChannelDropFilter::Target { group, editable };
    });
    connect(onTree, &ChannelDropFilter::channelsDropped, this,
        [this](const QList<CopiedChannel> &channels, Editable *group) {
            copyChannels(channels, group, nullptr);
        });
}

void CompareController::setSettings(Settings *settings)
{
    m_settings = settings;
    m_compareAction->setEnabled(settings);
    if (settings)
        settings->connectEveryChange(this, [this] {
            if (m_other)
                m_refresh.start();
        });
    if (settings && m_other)
        refresh();
    else
        m_dock->clear();
}

void CompareController::eventCompareWith()
{
    if (!m_settings)
        return;
    const QString path = QFileDialog::getOpenFileName(
        m_window, tr("Compare with"), WindowState::lastFolder(), tr("Settings files (*.si);;All files (*)"));
    if (path.isEmpty())
        return;
    WindowState::setLastFolderOf(path);
    compareWith(path);
}

bool CompareController::compareWith(const QString &path)
{
    QString reason;
    std::unique_ptr<Settings> other;
    // A FIFO or a device would block the read, or never end.
    if (const QFileInfo info(path); info.exists() && !info.isFile())
        reason = tr("It could not be read: it is not a regular file.");
    else
        other = m_reader(path, &reason);
    if (!other) {
        QMessageBox::warning(m_window, tr("Compare with"),
            tr("%1 was not opened.").arg(QDir::toNativeSeparators(path)) + u'\n' + reason);
        return false;
    }
    // The dock lets go of the old file's objects before they are deleted.
    m_dock->clear();
    m_other = std::move(other);
    m_otherName = QFileInfo(path).fileName();
    // Showing a hidden dock compares already; a shown one needs asking.
    m_stale = true;
    m_dock->show();
    m_dock->raise();
    if (m_stale)
        refresh();
    return true;
}

void CompareController::refresh()
{
    if (!m_settings || !m_other)
        return;
    m_stale = !m_dock->isVisible();
    if (m_stale)
        return;
    m_dock->setComparison(SettingsComparison(*m_settings, *m_other), m_other.get(), m_otherName);
}

void CompareController::showDifference(const Difference &difference)
{
    if (difference.type != ChannelType) {
        // Satellites, transponders and providers of this file are found in the tree.
        auto *object = const_cast<Editable *>(difference.here);
        if (QTreeWidgetItem *item
            = object && m_settings && m_settings->contains(object) ? m_tree->itemOf(object) : nullptr)
            m_tree->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
        return;
    }
    auto *here = const_cast<Channel *>(static_cast<const Channel *>(difference.here));
    if (!here || !m_settings || !m_settings->contains(here)) {
        m_dock->showOtherChannel(static_cast<const Channel *>(difference.there));
        return;
    }
    if (!m_table->channels().contains(here))
        emit mainListNeeded();
    m_table->selectChannels({ here });
    m_table->setFocus();
}

void CompareController::copyChannels(const QList<CopiedChannel> &channels, Editable *context, Channel *target)
{
    if (!m_settings || channels.isEmpty())
        return;
    QStringList names;
    for (const CopiedChannel &channel : channels)
        names.append(channel.name);
    const NamedStep step(m_history, NamedStep::copy(names));
    const CopyOutcome outcome = ChannelCopier(*m_settings).copy(channels, context, target);
    if (!outcome.ok()) {
        QMessageBox::warning(
            m_window, tr("Copy channels"), tr("No channel was copied.") + u'\n' + outcome.error);
        return;
    }
    m_window->statusBar()->showMessage(
        tr("Channels copied: %1; skipped because this file already has them: %2.")
            .arg(outcome.copied)
            .arg(outcome.skipped));
    m_table->selectChannels(outcome.channels);
}
