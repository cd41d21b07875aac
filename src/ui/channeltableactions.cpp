#include "ui/channeltableactions.h"

#include "check/duplicateservices.h"
#include "commands/deletionsummary.h"
#include "model/channel.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/transponder.h"
#include "store/capacitycheck.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/dialogs/selectcolumnsdialog.h"
#include "ui/namedstep.h"

#include <QAction>
#include <QIcon>
#include <QItemSelectionModel>
#include <QMessageBox>
#include <QSet>

#include <algorithm>
#include <memory>

ChannelTableActions::ChannelTableActions(ChannelListWidget *table)
    : QObject(table)
    , m_table(table)
    , m_createAction(new QAction(QIcon(QStringLiteral(":/icons/plus.png")), tr("&Create Channel…"), this))
    , m_deleteAction(new QAction(QIcon(QStringLiteral(":/icons/editdelete.png")), tr("&Delete"), this))
    , m_selectColumnsAction(new QAction(tr("Select Co&lumns…"), this))
    , m_selectDuplicatesAction(new QAction(tr("Select D&uplicates"), this))
{
    // Only shown in the menu: the key itself is handled by the table's key
    // press, so the table never competes with the tree for a window-wide
    // shortcut.
    m_deleteAction->setShortcut(QKeySequence::Delete);
    m_selectDuplicatesAction->setToolTip(
        tr("Select every channel that repeats the service of a channel before it"));
    connect(m_createAction, &QAction::triggered, this, &ChannelTableActions::createChannel);
    connect(m_deleteAction, &QAction::triggered, this, &ChannelTableActions::deleteSelectedChannels);
    connect(m_selectColumnsAction, &QAction::triggered, this, &ChannelTableActions::selectColumns);
    connect(m_selectDuplicatesAction, &QAction::triggered, this, &ChannelTableActions::selectDuplicates);
}

void ChannelTableActions::createChannel()
{
    Settings *settings = m_table->settings();
    if (!settings || refuseBeyondCapacity(*settings))
        return;

    auto channel = std::make_unique<Channel>();
    const QList<Channel *> selected = m_table->selectedChannels();
    if (!selected.isEmpty()) {
        channel->setTransponder(selected.first()->transponder());
        channel->setProvider(selected.first()->provider());
    } else if (Editable *shown = m_table->context(); shown && shown->typeCode() == TransponderType) {
        // A channel created among a transponder's or provider's channels
        // belongs there, and would not show in the table otherwise.
        channel->setTransponder(static_cast<Transponder *>(shown));
    } else if (shown && shown->typeCode() == ProviderType) {
        channel->setProvider(static_cast<Provider *>(shown));
    }
    // The dialog's event loop may have closed the file.
    if (!m_table->runChannelDialog(channel.get()) || !(settings = m_table->settings()))
        return;

    // The dialog must not leave the channel pointing at something the
    // store does not hold; it would be written out as a dangling position.
    if (channel->transponder() && !settings->contains(channel->transponder()))
        channel->setTransponder(nullptr);
    if (channel->provider() && !settings->contains(channel->provider()))
        channel->setProvider(nullptr);

    // The file's channel table is the main list, so every channel goes
    // there; one created while a group is shown joins that group too.
    Editable *shown = m_table->context();
    const NamedStep step(m_table->history(), NamedStep::creation(*channel));
    Channel *added = channel.release();
    settings->addChannel(nullptr, added);
    if (shown && shown->typeCode() == FavoriteGroupType)
        settings->addChannel(shown, added);
}

void ChannelTableActions::editChannel(Channel *channel)
{
    if (!m_table->settings() || !channel)
        return;
    const NamedStep step(m_table->history(), NamedStep::edit(*channel));
    m_table->runChannelDialog(channel);
}

void ChannelTableActions::deleteSelectedChannels()
{
    Settings *settings = m_table->settings();
    if (!settings)
        return;
    const QList<Channel *> selected = m_table->selectedChannels();
    if (selected.isEmpty())
        return;
    // Deleting a copy of a service must not take the service out of the
    // favourite groups while another copy stays.
    Editable *shown = m_table->context();
    const bool fromMainList = !shown || shown->typeCode() != FavoriteGroupType;
    const QList<Editable *> doomed(selected.cbegin(), selected.cend());
    const QString summary = fromMainList ? DeletionSummary::describe(*settings, doomed)
                                         : DeletionSummary::describeRemoval(*shown, doomed);
    const NamedStep step(
        m_table->history(), fromMainList ? NamedStep::deletion(doomed) : NamedStep::removal(doomed, *shown));
    settings->removeChannels(shown, selected,
        fromMainList ? DuplicateServices::keepers(*settings, selected) : QHash<Channel *, Channel *>());
    if (!summary.isEmpty())
        emit deleted(summary);
}

void ChannelTableActions::selectDuplicates()
{
    Settings *settings = m_table->settings();
    if (!settings)
        return;
    const QList<Channel *> extras = DuplicateServices::extras(*settings);
    if (extras.isEmpty()) {
        m_table->selectionModel()->clearSelection();
        QMessageBox::information(
            m_table, tr("Select duplicates"), tr("No channel repeats the service of another channel."));
        return;
    }
    // Delete destroys channels only outside a favourite group, so the extras
    // are selected where it does, and where each of them has a row.
    const QList<Channel *> channels = m_table->channels();
    const QSet<Channel *> given(channels.cbegin(), channels.cend());
    const Editable *shown = m_table->context();
    const bool everyExtraGiven = std::all_of(
        extras.cbegin(), extras.cend(), [&given](Channel *extra) { return given.contains(extra); });
    if (!shown || shown->typeCode() == FavoriteGroupType || !everyExtraGiven) {
        emit mainListRequested();
        // Nobody decides what the table shows: it shows the main list itself.
        if (m_table->settings() && m_table->currentEditable() != settings->satellitesRoot())
            m_table->showChannels(
                settings->satellitesRoot(), settings->channelsOf(settings->satellitesRoot()));
    }
    const ChannelTableModel *model = m_table->tableModel();
    if (model->isFiltered() && std::any_of(extras.cbegin(), extras.cend(), [model](Channel *extra) {
            return model->rowOf(extra) < 0;
        }))
        m_table->clearFilter();
    m_table->selectChannels(extras);
    // The next Delete is meant for these rows.
    m_table->setFocus(Qt::OtherFocusReason);
}

void ChannelTableActions::selectColumns()
{
    selectColumnsDialog(m_table, m_table);
}

bool ChannelTableActions::refuseBeyondCapacity(Settings &settings)
{
    QString message;
    if (const auto full = CapacityCheck::overflow(settings, CapacityCheck::Kind::Channels, 1)) {
        message = tr("This settings file holds at most %1 channels. Delete a channel before creating "
                     "another one.")
                      .arg(full->limit);
    } else if (Editable *shown = m_table->context(); shown && shown->typeCode() == FavoriteGroupType) {
        if (const auto full = CapacityCheck::overflow(settings, CapacityCheck::Kind::GroupChannels, 1, shown))
            message = tr("A favorite group holds at most %1 channels.").arg(full->limit);
    }
    if (message.isEmpty())
        return false;
    QMessageBox::warning(m_table, tr("Create channel"), message);
    return true;
}
