#include "ui/editabletreewidget.h"

#include "commands/deletionsummary.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"
#include "ui/dialogs/editdialog.h"
#include "ui/editablemimedata.h"
#include "ui/editabletreestate.h"
#include "ui/namedstep.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QSet>

#include <memory>

EditableTreeWidget::EditableTreeWidget(QWidget *parent)
    : EditableViewGestures<QTreeWidget>(parent)
{
    setColumnCount(1);
    setHeaderLabel(tr("Objects"));
    m_satellitesItem = new QTreeWidgetItem(this, { tr("Satellites") });
    m_providersItem = new QTreeWidgetItem(this, { tr("Providers") });
    m_favoritesItem = new QTreeWidgetItem(this, { tr("Favorites") });
    m_items = std::make_unique<EditableTreeItems>(this, m_satellitesItem, m_providersItem, m_favoritesItem);

    setSelectionMode(ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    // A double click edits the item; it should not also fold its branch.
    setExpandsOnDoubleClick(false);
    // Every item is one line of text, so the view need not measure each.
    setUniformRowHeights(true);

    setAccessibleName(tr("Objects"));
    m_editAction = new QAction(tr("&Edit…"), this);
    m_deleteAction = new QAction(QIcon(QStringLiteral(":/icons/editdelete.png")), tr("&Delete"), this);
    m_createSatelliteAction
        = new QAction(QIcon(QStringLiteral(":/icons/plus.png")), tr("Create &Satellite…"), this);
    m_createTransponderAction
        = new QAction(QIcon(QStringLiteral(":/icons/plus.png")), tr("Create &Transponder…"), this);
    m_createProviderAction
        = new QAction(QIcon(QStringLiteral(":/icons/plus.png")), tr("Create &Provider…"), this);
    m_deleteAction->setShortcut(QKeySequence::Delete);

    connect(m_editAction, &QAction::triggered, this, &EditableTreeWidget::editEditable);
    connect(m_deleteAction, &QAction::triggered, this, &EditableTreeWidget::deleteSelectedEditables);
    connect(m_createSatelliteAction, &QAction::triggered, this, &EditableTreeWidget::createSatellite);
    connect(m_createTransponderAction, &QAction::triggered, this, &EditableTreeWidget::createTransponder);
    connect(m_createProviderAction, &QAction::triggered, this, &EditableTreeWidget::createProvider);
    connect(this, &QTreeWidget::itemDoubleClicked, this, &EditableTreeWidget::QTreeWidgetItemDoubleClicked);
    connect(
        this, &QTreeWidget::itemSelectionChanged, this, &EditableTreeWidget::QTreeWidgetItemSelectionChanged);
}

EditableTreeWidget::~EditableTreeWidget() = default;

void EditableTreeWidget::setSettings(Settings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    // A new store whose tree has the shape of the one shown, as when a file
    // is opened again, takes over the items: dropping and building
    // thousands of them was a good part of opening a full file.
    const std::optional<EditableTreeItems::ItemPlan> plan
        = settings ? m_items->planReuse(*settings) : std::nullopt;
    clearTree(plan.has_value());
    m_settings = settings;
    // The window shows the new store's Satellites root itself.
    m_announcedId = settings ? settings->satellitesRoot()->id() : 0;
    if (!settings)
        return;
    connect(settings, &Settings::updatedEditable, this, &EditableTreeWidget::updateEditable);
    connect(settings, &Settings::updatedSatelliteList, this, &EditableTreeWidget::rebuildEditableTree);
    connect(settings, &Settings::updatedTransponderList, this, &EditableTreeWidget::rebuildEditableTree);
    connect(settings, &Settings::updatedProviderList, this, &EditableTreeWidget::rebuildEditableTree);
    if (plan)
        m_items->reuse(settings, *plan);
    else
        m_items->build(settings);
}

void EditableTreeWidget::clearTree(bool keepItems)
{
    // Emptied first, so the selection changes of clearing find no object
    // and announce nothing.
    m_items->forget(keepItems);
    m_dropTarget = nullptr;
    if (keepItems) {
        forgetItemStates();
        return;
    }
    m_satellitesItem->setSelected(true);
    m_items->deleteChildItems();
}

void EditableTreeWidget::forgetItemStates()
{
    // As if every item below the roots had been dropped and built anew:
    // none of them selected, current or unfolded.
    m_satellitesItem->setSelected(true);
    const QList<QTreeWidgetItem *> selected = selectedItems();
    for (QTreeWidgetItem *item : selected)
        if (item->parent())
            item->setSelected(false);
    QTreeWidgetItem *current = currentItem();
    while (current && current->parent())
        current = current->parent();
    if (current != currentItem())
        selectionModel()->setCurrentIndex(indexFromItem(current), QItemSelectionModel::NoUpdate);
    for (int i = 0; i < m_satellitesItem->childCount(); ++i)
        m_satellitesItem->child(i)->setExpanded(false);
}

void EditableTreeWidget::updateEditable(Editable *editable)
{
    QTreeWidgetItem *item = itemOf(editable);
    if (!item)
        return;
    EditableTreeItems::refreshText(item, editable);
    if (editable->typeCode() != TransponderType)
        return;
    const auto &transponder = static_cast<const Transponder &>(*editable);
    if (!m_items->isMisplaced(item, transponder))
        return;
    // Taking the item out drops it from the selection; put back as it was,
    // in the same order, the window sees no change.
    const EditableTreeState state = EditableTreeState::capture(*this);
    m_quiet = true;
    m_items->placeTransponderItem(item, transponder);
    state.restore(*this);
    m_quiet = false;
    announceSelection();
}

QList<Editable *> EditableTreeWidget::selectedEditables() const
{
    QList<Editable *> editables;
    const QList<QTreeWidgetItem *> items = selectedItems();
    for (QTreeWidgetItem *item : items)
        if (Editable *editable = editableOf(item))
            editables.append(editable);
    return editables;
}

Editable *EditableTreeWidget::editableAt(const QPoint &pos) const
{
    return editableOf(itemAt(pos));
}

void EditableTreeWidget::QTreeWidgetItemSelectionChanged()
{
    if (m_quiet)
        return;
    const QList<QTreeWidgetItem *> items = selectedItems();
    if (items.isEmpty())
        return;
    if (Editable *editable = editableOf(items.first())) {
        m_announcedId = editable->id();
        emit editableSelectionChanged(editable);
    }
}

void EditableTreeWidget::announceSelection()
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    Editable *first = items.isEmpty() ? nullptr : editableOf(items.first());
    // By id: after an undo the same object is back at another address,
    // and another one may sit at the old address.
    const quint64 firstId = first ? first->id() : 0;
    if (firstId == m_announcedId)
        return;
    m_announcedId = firstId;
    // Null when the selected object went away: the window then falls back
    // to what it shows for a deleted object.
    emit editableSelectionChanged(first);
}

void EditableTreeWidget::rebuildEditableTree()
{
    // One operation may announce several lists; the first announcement
    // finds all of its changes, the others find nothing left to do.
    const EditableTreeItems::Shape shape = m_settings ? m_items->currentShape() : EditableTreeItems::Shape();
    if (m_settings && m_items->isBuilt(shape)) {
        m_items->refreshTexts();
        return;
    }
    const EditableTreeState state = EditableTreeState::capture(*this);
    m_quiet = true;
    // A delete, the commonest change, only takes items out: building
    // thousands of them again made deleting one satellite slow.
    if (m_settings && m_items->takeOutItemsOfRemovedObjects(shape)) {
        // The removed objects' items are gone; a target among them with them.
        if (!editableOf(m_dropTarget))
            m_dropTarget = nullptr;
    } else {
        clearTree();
        if (m_settings)
            m_items->build(m_settings);
    }
    if (m_settings)
        state.restore(*this);
    m_quiet = false;
    announceSelection();
}

void EditableTreeWidget::editEditable()
{
    const QList<QTreeWidgetItem *> items = selectedItems();
    if (items.isEmpty())
        return;
    if (Editable *editable = editableOf(items.first())) {
        const NamedStep step(m_history, NamedStep::edit(*editable));
        editDialog(this, editable, m_settings);
    }
}

void EditableTreeWidget::QTreeWidgetItemDoubleClicked(QTreeWidgetItem *, int)
{
    editEditable();
}

void EditableTreeWidget::deleteSelectedEditables()
{
    if (!m_settings)
        return;
    const QList<Editable *> doomed = selectedEditables();
    if (doomed.isEmpty())
        return;
    const QString summary = DeletionSummary::describe(*m_settings, doomed);
    const NamedStep step(m_history, NamedStep::deletion(doomed));
    m_settings->removeEditables(doomed);
    if (!summary.isEmpty())
        emit deleted(summary);
}

bool EditableTreeWidget::roomForOneMore(CapacityCheck::Kind kind, const QString &message)
{
    const auto full = CapacityCheck::overflow(*m_settings, kind, 1);
    if (!full)
        return true;
    QMessageBox::warning(this, tr("Cannot create"), message.arg(full->limit));
    return false;
}

void EditableTreeWidget::createSatellite()
{
    if (!m_settings
        || !roomForOneMore(
            CapacityCheck::Kind::Satellites, tr("The settings file holds at most %1 satellites.")))
        return;
    auto satellite = std::make_unique<Satellite>();
    if (!editSatellite(this, satellite.get(), m_settings) || !m_settings)
        return;
    const NamedStep step(m_history, NamedStep::creation(*satellite));
    m_settings->addSatellite(satellite.release());
}

void EditableTreeWidget::createTransponder()
{
    // A transponder needs a satellite, so none is created without one.
    if (!m_settings || m_settings->satellites().isEmpty()
        || !roomForOneMore(
            CapacityCheck::Kind::Transponders, tr("The settings file holds at most %1 transponders.")))
        return;
    auto transponder = std::make_unique<Transponder>();
    const QList<Editable *> selected = selectedEditables();
    if (!selected.isEmpty() && selected.first()->typeCode() == SatelliteType)
        transponder->setSatellite(static_cast<Satellite *>(selected.first()));
    if (!editTransponder(this, transponder.get(), m_settings) || !m_settings)
        return;
    const NamedStep step(m_history, NamedStep::creation(*transponder));
    Transponder *added = transponder.release();
    m_settings->addTransponder(added);
    // So that the user sees what was created.
    if (QTreeWidgetItem *item = itemOf(added))
        expandItem(item->parent());
}

void EditableTreeWidget::createProvider()
{
    if (!m_settings
        || !roomForOneMore(
            CapacityCheck::Kind::Providers, tr("The settings file holds at most %1 providers.")))
        return;
    auto provider = std::make_unique<Provider>();
    if (!editProvider(this, provider.get(), m_settings) || !m_settings)
        return;
    const NamedStep step(m_history, NamedStep::creation(*provider));
    m_settings->addProvider(provider.release());
}

QList<QAction *> EditableTreeWidget::contextMenuActions() const
{
    QList<QAction *> actions;
    const QList<QTreeWidgetItem *> items = selectedItems();
    const QList<Editable *> editables = selectedEditables();
    if (items.size() == 1) {
        QTreeWidgetItem *item = items.first();
        // Creating needs a store to add to.
        if (item == m_satellitesItem) {
            if (m_settings)
                actions.append(m_createSatelliteAction);
        } else if (item == m_providersItem) {
            if (m_settings)
                actions.append(m_createProviderAction);
        } else if (editables.size() == 1) {
            const int type = editables.first()->typeCode();
            // The roots have no dialog.
            if (type != FavoritesRootType && type != SatellitesRootType && type != ProvidersRootType)
                actions.append(m_editAction);
            switch (type) {
            case SatelliteType:
                actions.append(m_createTransponderAction);
                actions.append(m_deleteAction);
                break;
            case TransponderType:
            case ProviderType:
                actions.append(m_deleteAction);
                break;
            default:
                break;
            }
        }
    } else if (editables.size() >= 2) {
        actions.append(m_deleteAction);
    }
    return actions;
}

void EditableTreeWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (!selectForContextMenu(event))
        clearSelection();
    const QList<QAction *> actions = contextMenuActions();
    if (actions.isEmpty())
        return;
    QMenu menu(this);
    menu.addActions(actions);
    menu.exec(event->globalPos());
}

void EditableTreeWidget::setDropTarget(QTreeWidgetItem *item)
{
    if (item == m_dropTarget)
        return;
    if (m_dropTarget) {
        m_dropTarget->setData(0, Qt::BackgroundRole, QVariant());
        m_dropTarget->setData(0, Qt::ForegroundRole, QVariant());
    }
    m_dropTarget = item;
    if (item) {
        item->setData(0, Qt::BackgroundRole, palette().brush(QPalette::Highlight));
        item->setData(0, Qt::ForegroundRole, palette().brush(QPalette::HighlightedText));
    }
}

QList<Editable *> EditableTreeWidget::droppableEditables(const QMimeData *data, Editable *target) const
{
    if (!m_settings || !target)
        return {};
    const QList<Editable *> dragged = editablesFromMimeData(data);
    // A payload can outlive the objects it names; contains() never
    // dereferences them.
    for (const Editable *editable : dragged)
        if (!m_settings->contains(editable))
            return {};
    if (dragged.isEmpty() || !m_settings->canDropEditables(dragged, target))
        return {};
    return dragged;
}

QList<Editable *> EditableTreeWidget::joiningGroup(const QList<Editable *> &dragged, Editable *group) const
{
    // The group list ignores channels it already holds.
    const QList<Channel *> members = m_settings->channelsOf(group);
    const QSet<const Editable *> held(members.cbegin(), members.cend());
    QList<Editable *> joining;
    QSet<const Editable *> seen;
    for (Editable *editable : dragged) {
        if (!held.contains(editable) && !seen.contains(editable)) {
            seen.insert(editable);
            joining.append(editable);
        }
    }
    return joining;
}

bool EditableTreeWidget::roomInGroup(qsizetype joining, Editable *group)
{
    const auto full
        = CapacityCheck::overflow(*m_settings, CapacityCheck::Kind::GroupChannels, joining, group);
    if (!full)
        return true;
    QMessageBox::warning(this, tr("Cannot add channels"),
        tr("A favorite group holds at most %1 channels; %2 already belong to \"%3\".")
            .arg(full->limit)
            .arg(full->count)
            .arg(group->displayText()));
    return false;
}

void EditableTreeWidget::dragEnterEvent(QDragEnterEvent *event)
{
    // Data of other programs is left to the window, which opens files.
    if (editablesFromMimeData(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void EditableTreeWidget::dragMoveEvent(QDragMoveEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (droppableEditables(event->mimeData(), editableAt(pos)).isEmpty()) {
        setDropTarget(nullptr);
        event->ignore();
        return;
    }
    setDropTarget(itemAt(pos));
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void EditableTreeWidget::dragLeaveEvent(QDragLeaveEvent *event)
{
    setDropTarget(nullptr);
    event->accept();
}

void EditableTreeWidget::dropEvent(QDropEvent *event)
{
    setDropTarget(nullptr);
    Editable *target = editableAt(event->position().toPoint());
    const QList<Editable *> dragged = droppableEditables(event->mimeData(), target);
    if (dragged.isEmpty()) {
        event->ignore();
        return;
    }
    // Onto a group, the step names only the channels that join it.
    QList<Editable *> moved = dragged;
    if (target->typeCode() == FavoriteGroupType) {
        moved = joiningGroup(dragged, target);
        if (!roomInGroup(moved.size(), target)) {
            event->ignore();
            return;
        }
    }
    const NamedStep step(m_history, NamedStep::drop(moved, *target));
    m_settings->dropEditables(dragged, target, nullptr);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}
