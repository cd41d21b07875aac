#include "ui/order/channelorderactions.h"

#include "commands/stepdescription.h"
#include "model/channel.h"
#include "store/channellist.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/namedstep.h"

#include <QAction>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QMenu>

namespace {

QString channelsText(qsizetype count)
{
    return StepDescription::objects(ChannelType, int(count));
}

} // namespace

ChannelOrderActions::ChannelOrderActions(ChannelListWidget *table, SettingsHistory *history)
    : QObject(table)
    , m_table(table)
    , m_history(history)
    , m_menu(new QMenu(tr("&Order"), table))
{
    const auto moveAction = [this](const QString &text, Qt::Key key, Move direction) {
        QAction *action = addAction(m_menu, text, QKeySequence(Qt::ALT | key));
        connect(action, &QAction::triggered, this, [this, direction] { move(direction); });
        m_selectionActions.append(action);
    };
    moveAction(tr("Move &Up"), Qt::Key_Up, Up);
    moveAction(tr("Move &Down"), Qt::Key_Down, Down);
    moveAction(tr("Move to &Top"), Qt::Key_Home, Top);
    moveAction(tr("Move to &Bottom"), Qt::Key_End, Bottom);
    QAction *toPosition = addAction(m_menu, tr("Move to &Position…"), QKeySequence(Qt::CTRL | Qt::Key_M));
    connect(toPosition, &QAction::triggered, this, &ChannelOrderActions::moveToPosition);
    m_selectionActions.append(toPosition);
    m_menu->addSeparator();
    QAction *reverse = addAction(m_menu, tr("&Reverse Selection"));
    connect(reverse, &QAction::triggered, this, &ChannelOrderActions::reverseSelection);
    m_selectionActions.append(reverse);
    buildSortMenu(m_menu->addMenu(tr("Sort &List By")), false);
    m_sortList = m_menu->actions().constLast();
    buildSortMenu(m_menu->addMenu(tr("Sort &Selection By")), true);
    m_selectionActions.append(m_menu->actions().constLast());
    m_menu->addSeparator();
    m_takeSort = addAction(m_menu, tr("Ta&ke the Table's Sort as Order"));
    connect(m_takeSort, &QAction::triggered, this, &ChannelOrderActions::takeSort);

    // The header offers it where the user just sorted.
    m_table->header()->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_table->header()->addAction(m_takeSort);
    m_table->addContextMenu(m_menu);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &ChannelOrderActions::updateActions);
    connect(m_table->header(), &QHeaderView::sortIndicatorChanged, this, &ChannelOrderActions::updateActions);
    connect(
        m_table->tableModel(), &QAbstractItemModel::modelReset, this, &ChannelOrderActions::updateActions);
    updateActions();
}

ChannelOrderActions::~ChannelOrderActions() = default;

QAction *ChannelOrderActions::addAction(QMenu *menu, const QString &text, const QKeySequence &key)
{
    QAction *action = menu->addAction(text);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        // The keys act on the table's selection, so they belong to the table.
        action->setShortcutContext(Qt::WidgetShortcut);
        m_table->addAction(action);
    }
    return action;
}

void ChannelOrderActions::buildSortMenu(QMenu *menu, bool selectionOnly)
{
    // The keys' titles, with the mnemonics a menu needs.
    const QString texts[ChannelSorter::KeyCount]
        = { tr("&Name"), tr("Sa&tellite and Frequency"), tr("&Provider and Name"), tr("Service &Id") };
    for (int key = 0; key < ChannelSorter::KeyCount; ++key) {
        QAction *action = menu->addAction(texts[key]);
        connect(action, &QAction::triggered, this,
            [this, key, selectionOnly] { sortBy(ChannelSorter::Key(key), selectionOnly); });
    }
}

void ChannelOrderActions::setSettings(Settings *settings)
{
    m_settings = settings;
    updateActions();
}

void ChannelOrderActions::updateActions()
{
    const bool fileOpen = !m_settings.isNull();
    const bool anySelected = fileOpen && m_table->selectionModel()->hasSelection();
    for (QAction *action : std::as_const(m_selectionActions))
        action->setEnabled(anySelected);
    m_sortList->setEnabled(fileOpen);
    m_takeSort->setEnabled(fileOpen && !m_table->tableModel()->isInListOrder());
}

Editable *ChannelOrderActions::listContext() const
{
    Editable *shown = m_table->currentEditable();
    if (!m_settings || !shown || shown->typeCode() != FavoriteGroupType || !m_settings->contains(shown))
        return nullptr;
    return shown;
}

ChannelList *ChannelOrderActions::shownList() const
{
    return m_settings ? m_settings->channelListFor(listContext()) : nullptr;
}

ChannelOrder ChannelOrderActions::order() const
{
    const ChannelList *list = shownList();
    return list ? ChannelOrder(list->channels(), list->tvCount(), list->tvFirst())
                : ChannelOrder({}, 0, false);
}

QList<Channel *> ChannelOrderActions::selected() const
{
    return m_settings ? m_table->selectedChannels() : QList<Channel *>();
}

void ChannelOrderActions::apply(
    const ChannelOrder::Result &result, const QString &stepName, const QList<Channel *> &follow)
{
    ChannelList *list = shownList();
    if (!list)
        return;
    const QModelIndex currentIndex = m_table->currentIndex();
    Channel *current
        = currentIndex.isValid() ? m_table->tableModel()->channelAt(currentIndex.row()) : nullptr;
    if (result.channels != list->channels()) {
        const NamedStep step(m_history, stepName);
        if (!m_settings->reorderChannels(listContext(), result.channels))
            return;
        m_table->selectChannels(follow, follow.contains(current) ? current : nullptr);
    }
    if (result.clamped)
        emit statusMessage(tr("TV channels stay ahead of radio channels."));
}

void ChannelOrderActions::move(Move direction)
{
    const QList<Channel *> channels = selected();
    if (channels.isEmpty())
        return;
    const QSet<Channel *> set(channels.cbegin(), channels.cend());
    const ChannelOrder now = order();
    const QString what = channelsText(channels.size());
    switch (direction) {
    case Up:
        apply(now.movedUp(set), tr("Move %1 Up").arg(what), channels);
        break;
    case Down:
        apply(now.movedDown(set), tr("Move %1 Down").arg(what), channels);
        break;
    case Top:
        apply(now.movedToTop(set), tr("Move %1 to Top").arg(what), channels);
        break;
    case Bottom:
        apply(now.movedToBottom(set), tr("Move %1 to Bottom").arg(what), channels);
        break;
    }
}

void ChannelOrderActions::moveToPosition()
{
    const QList<Channel *> channels = selected();
    const ChannelList *list = shownList();
    if (channels.isEmpty() || !list)
        return;
    // The Position column's numbers, which count from 1.
    bool ok = false;
    const int position = QInputDialog::getInt(m_table, tr("Move to Position"),
        tr("Position of the first selected channel (1 to %1):").arg(list->count()),
        list->indexOf(channels.first()) + 1, 1, list->count(), 1, &ok);
    if (ok)
        moveSelectionTo(position);
}

void ChannelOrderActions::moveSelectionTo(int position)
{
    const QList<Channel *> channels = selected();
    if (channels.isEmpty())
        return;
    const QSet<Channel *> set(channels.cbegin(), channels.cend());
    apply(order().movedToPosition(set, position - 1),
        tr("Move %1 to Position %2").arg(channelsText(channels.size())).arg(position), channels);
}

void ChannelOrderActions::reverseSelection()
{
    const QList<Channel *> channels = selected();
    if (channels.size() < 2)
        return;
    apply(order().reversed(QSet<Channel *>(channels.cbegin(), channels.cend())),
        tr("Reverse %1").arg(channelsText(channels.size())), channels);
}

void ChannelOrderActions::sortBy(ChannelSorter::Key key, bool selectionOnly)
{
    // Rows a filter hides are left where they are, as by every other command.
    const QList<Channel *> channels = selectionOnly ? selected() : m_table->tableModel()->rows();
    if (channels.size() < 2)
        return;
    apply(order().arranged(ChannelSorter::sorted(channels, key)),
        tr("Sort %1 by %2").arg(channelsText(channels.size()), ChannelSorter::title(key)),
        selectionOnly ? channels : QList<Channel *>());
}

void ChannelOrderActions::takeSort()
{
    const ChannelTableModel *model = m_table->tableModel();
    if (!m_settings || model->isInListOrder())
        return;
    const QString column = model->headerData(model->sortColumn(), Qt::Horizontal).toString();
    const QList<Channel *> follow = selected();
    apply(order().arranged(model->rows()),
        tr("Order %1 as Sorted by %2").arg(channelsText(model->rowCount()), column), follow);
    // The rows stand as the list does now; the header says so.
    m_table->header()->setSortIndicator(ChannelTableModel::PositionColumn, Qt::AscendingOrder);
    m_table->selectChannels(follow);
}
