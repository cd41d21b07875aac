#include "ui/editabletreewidget.h"

#include "commands/deletionsummary.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"
#include "ui/contextmenukey.h"
#include "ui/editablemimedata.h"
#include "ui/editabletreestate.h"
#include "ui/editdialog.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSet>
#include <QSignalBlocker>

#include <algorithm>
#include <memory>

EditableTreeWidget::EditableTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderLabel(tr("Objects"));
    m_satellitesItem = new QTreeWidgetItem(this, { tr("Satellites") });
    m_providersItem = new QTreeWidgetItem(this, { tr("Providers") });
    m_favoritesItem = new QTreeWidgetItem(this, { tr("Favorites") });

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

EditableTreeWidget::~EditableTreeWidget()
{
    // Items out of the tree are the only ones the widget does not delete.
    const QList<QTreeWidgetItem *> items = m_editableItems.keys();
    for (QTreeWidgetItem *item : items)
        if (!item->treeWidget())
            delete item;
}

void EditableTreeWidget::setSettings(Settings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    // A new store whose tree has the shape of the one shown, as when a file
    // is opened again, takes over the items: dropping and building
    // thousands of them was a good part of opening a full file.
    const std::optional<ItemPlan> plan = settings ? planReuse(*settings) : std::nullopt;
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
        reuseItems(*plan);
    else
        buildTree();
}

std::optional<EditableTreeWidget::ItemPlan> EditableTreeWidget::planReuse(const Settings &settings) const
{
    ItemPlan plan;
    plan.satellites = settings.satellites();
    plan.providers = settings.providers();
    plan.groups = settings.favoriteGroups();
    if (plan.satellites.size() != m_satellitesItem->childCount()
        || plan.providers.size() != m_providersItem->childCount()
        || plan.groups.size() != m_favoritesItem->childCount())
        return std::nullopt;
    QHash<const Satellite *, int> slotOf;
    for (int i = 0; i < plan.satellites.size(); ++i)
        slotOf.insert(plan.satellites.at(i), i);
    plan.transponders.resize(plan.satellites.size());
    qsizetype placed = 0;
    const QList<Transponder *> transponders = settings.transponders();
    for (Transponder *transponder : transponders) {
        const int slot = slotOf.value(transponder->satellite(), -1);
        if (slot >= 0) {
            plan.transponders[slot].append(transponder);
            ++placed;
        }
    }
    for (int i = 0; i < plan.satellites.size(); ++i)
        if (plan.transponders.at(i).size() != m_satellitesItem->child(i)->childCount())
            return std::nullopt;
    // A transponder item whose satellite lost its item is out of the tree.
    plan.itemCount = 3 + plan.satellites.size() + plan.providers.size() + plan.groups.size() + placed;
    if (m_editableItems.size() != plan.itemCount)
        return std::nullopt;
    return plan;
}

void EditableTreeWidget::reuseItems(const ItemPlan &plan)
{
    reserveItems(plan.itemCount);
    addItem(m_satellitesItem, m_settings->satellitesRoot());
    addItem(m_providersItem, m_settings->providersRoot());
    addItem(m_favoritesItem, m_settings->favoritesRoot());
    // Only the texts change, not the tree's shape: the view is told once
    // at the end instead of once per item.
    const QSignalBlocker quietModel(model());
    for (int i = 0; i < plan.satellites.size(); ++i) {
        QTreeWidgetItem *satelliteItem = m_satellitesItem->child(i);
        addItem(satelliteItem, plan.satellites.at(i));
        // Each row is given the transponder that sorts into it.
        QList<std::pair<QString, Transponder *>> shown;
        shown.reserve(plan.transponders.at(i).size());
        for (Transponder *transponder : plan.transponders.at(i))
            shown.append({ transponder->displayText(), transponder });
        sortAsShown(shown);
        for (int row = 0; row < shown.size(); ++row)
            addItem(satelliteItem->child(row), shown.at(row).second, shown.at(row).first);
    }
    for (int i = 0; i < plan.providers.size(); ++i)
        addItem(m_providersItem->child(i), plan.providers.at(i));
    for (int i = 0; i < plan.groups.size(); ++i)
        addItem(m_favoritesItem->child(i), plan.groups.at(i));
    m_builtShape = currentShape();
    viewport()->update();
}

QTreeWidgetItem *EditableTreeWidget::itemOf(const Editable *editable) const
{
    return m_itemOfEditable.value(editable);
}

Editable *EditableTreeWidget::editableOf(const QTreeWidgetItem *item) const
{
    return m_editableItems.value(const_cast<QTreeWidgetItem *>(item));
}

quint64 EditableTreeWidget::idOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, IdRole).toULongLong() : 0;
}

QTreeWidgetItem *EditableTreeWidget::itemOfId(quint64 id) const
{
    return m_itemOfId.value(id);
}

void EditableTreeWidget::clearTree(bool keepItems)
{
    // Emptied first, so the selection changes of clearing find no object
    // and announce nothing.
    const QList<QTreeWidgetItem *> items = m_editableItems.keys();
    m_editableItems.clear();
    m_itemOfEditable.clear();
    m_itemOfId.clear();
    m_builtShape = {};
    m_dropTarget = nullptr;
    if (keepItems) {
        forgetItemStates();
        return;
    }
    // Transponder items whose satellite lost its item are held by nobody.
    for (QTreeWidgetItem *item : items)
        if (!item->treeWidget())
            delete item;
    m_satellitesItem->setSelected(true);
    for (QTreeWidgetItem *topLevel : { m_satellitesItem, m_providersItem, m_favoritesItem })
        qDeleteAll(topLevel->takeChildren());
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

void EditableTreeWidget::reserveItems(qsizetype count)
{
    m_editableItems.reserve(count);
    m_itemOfEditable.reserve(count);
    m_itemOfId.reserve(count);
}

void EditableTreeWidget::buildTree()
{
    reserveItems(3 + m_settings->satellites().size() + m_settings->transponders().size()
        + m_settings->providers().size() + m_settings->favoriteGroups().size());
    addItem(m_satellitesItem, m_settings->satellitesRoot());
    addItem(m_providersItem, m_settings->providersRoot());
    addItem(m_favoritesItem, m_settings->favoritesRoot());
    // The items are put together apart from the view and handed to it in one
    // insertion per top-level item: a shown tree announces every single
    // insertion to its view, and sorting a satellite's items in place costs
    // a layout change each.
    const QList<Satellite *> satellites = m_settings->satellites();
    QList<QTreeWidgetItem *> satelliteItems;
    QHash<const Satellite *, QTreeWidgetItem *> itemOfSatellite;
    for (Satellite *satellite : satellites) {
        auto *item = new QTreeWidgetItem;
        addItem(item, satellite);
        satelliteItems.append(item);
        itemOfSatellite.insert(satellite, item);
    }
    QHash<QTreeWidgetItem *, QList<QTreeWidgetItem *>> transponderItems;
    const QList<Transponder *> transponders = m_settings->transponders();
    for (Transponder *transponder : transponders) {
        // A transponder without a satellite of the store has no place to show.
        if (QTreeWidgetItem *satelliteItem = itemOfSatellite.value(transponder->satellite())) {
            auto *item = new QTreeWidgetItem;
            addItem(item, transponder);
            transponderItems[satelliteItem].append(item);
        }
    }
    for (auto it = transponderItems.begin(); it != transponderItems.end(); ++it) {
        sortTransponderItems(it.value());
        it.key()->addChildren(it.value());
    }
    m_satellitesItem->addChildren(satelliteItems);
    m_providersItem->addChildren(newItems(m_settings->providers()));
    m_favoritesItem->addChildren(newItems(m_settings->favoriteGroups()));
    m_builtShape = currentShape();
}

bool EditableTreeWidget::takeOutItemsOfRemovedObjects(const Shape &shape)
{
    const Shape &built = m_builtShape;
    const auto sameEntry = [&](qsizetype now, qsizetype before) {
        return shape.ids.at(now) == built.ids.at(before) && shape.objects.at(now) == built.objects.at(before)
            && shape.parents.at(now) == built.parents.at(before);
    };
    // Ids are unique, so a greedy walk finds whether the new shape is the
    // built one with entries left out, everything else in order and place.
    QList<qsizetype> removed;
    qsizetype next = 0;
    for (qsizetype i = 0; i < built.ids.size(); ++i) {
        if (next < shape.ids.size() && sameEntry(next, i))
            ++next;
        else
            removed.append(i);
    }
    if (next != shape.ids.size() || removed.isEmpty())
        return false;

    // The removed objects are gone: their addresses serve as keys only.
    QSet<QTreeWidgetItem *> doomed;
    for (qsizetype i : std::as_const(removed)) {
        QTreeWidgetItem *item = m_itemOfEditable.take(built.objects.at(i));
        if (!item)
            continue;
        m_editableItems.remove(item);
        m_itemOfId.remove(built.ids.at(i));
        doomed.insert(item);
    }
    if (doomed.contains(m_dropTarget))
        m_dropTarget = nullptr;
    // Parents first found, then deleted: a satellite's item takes its
    // transponders' items with it.
    QList<QTreeWidgetItem *> tops;
    for (QTreeWidgetItem *item : std::as_const(doomed))
        if (!doomed.contains(item->parent()))
            tops.append(item);
    qDeleteAll(tops);
    m_builtShape = shape;
    return true;
}

template<typename T> QList<QTreeWidgetItem *> EditableTreeWidget::newItems(const QList<T *> &editables)
{
    QList<QTreeWidgetItem *> items;
    items.reserve(editables.size());
    for (T *editable : editables) {
        auto *item = new QTreeWidgetItem;
        addItem(item, editable);
        items.append(item);
    }
    return items;
}

EditableTreeWidget::Shape EditableTreeWidget::currentShape() const
{
    Shape shape;
    const auto add = [&shape](const Editable *object, const Editable *parent) {
        shape.objects.append(object);
        shape.parents.append(parent);
        shape.ids.append(object->id());
    };
    const QList<Satellite *> satellites = m_settings->satellites();
    for (const Satellite *satellite : satellites)
        add(satellite, nullptr);
    const QList<Provider *> providers = m_settings->providers();
    for (const Provider *provider : providers)
        add(provider, nullptr);
    const QList<Transponder *> transponders = m_settings->transponders();
    for (const Transponder *transponder : transponders)
        add(transponder, transponder->satellite());
    const QList<FavoriteGroup *> groups = m_settings->favoriteGroups();
    for (const FavoriteGroup *group : groups)
        add(group, nullptr);
    return shape;
}

void EditableTreeWidget::refreshTexts()
{
    for (auto it = m_editableItems.cbegin(); it != m_editableItems.cend(); ++it)
        refreshText(it.key(), it.value());
}

void EditableTreeWidget::addItem(QTreeWidgetItem *item, Editable *editable)
{
    // Only the text: buildTree sorts each satellite's transponders once at
    // the end, which keeps a rebuild linear in the number of items.
    addItem(item, editable, editable->displayText());
}

void EditableTreeWidget::addItem(QTreeWidgetItem *item, Editable *editable, const QString &text)
{
    m_editableItems.insert(item, editable);
    m_itemOfEditable.insert(editable, item);
    m_itemOfId.insert(editable->id(), item);
    item->setData(0, IdRole, editable->id());
    if (item->text(0) != text)
        item->setText(0, text);
}

void EditableTreeWidget::refreshText(QTreeWidgetItem *item, const Editable *editable)
{
    const QString text = editable->displayText();
    if (item->text(0) != text)
        item->setText(0, text);
}

void EditableTreeWidget::sortTransponderItems(QList<QTreeWidgetItem *> &items) const
{
    QList<std::pair<QString, QTreeWidgetItem *>> keyed;
    keyed.reserve(items.size());
    for (QTreeWidgetItem *item : std::as_const(items))
        keyed.append({ item->text(0), item });
    sortAsShown(keyed);
    for (qsizetype i = 0; i < keyed.size(); ++i)
        items[i] = keyed.at(i).second;
}

template<typename T> void EditableTreeWidget::sortAsShown(QList<std::pair<QString, T>> &keyed) const
{
    if (!m_settings || !m_settings->rules().sortedTransponders)
        return;
    // As text, not as numbers: "9750 H" sorts after "11700 V". A
    // transponder's text is never empty, so comparing the texts, stably,
    // gives the order the items' own comparison gives, without building two
    // variants for every comparison.
    std::stable_sort(keyed.begin(), keyed.end(),
        [](const auto &left, const auto &right) { return left.first < right.first; });
}

void EditableTreeWidget::updateEditable(Editable *editable)
{
    QTreeWidgetItem *item = itemOf(editable);
    if (!item)
        return;
    refreshText(item, editable);
    if (editable->typeCode() == TransponderType)
        placeTransponderItem(item, editable);
}

void EditableTreeWidget::placeTransponderItem(QTreeWidgetItem *item, Editable *editable)
{
    auto *transponder = static_cast<Transponder *>(editable);
    QTreeWidgetItem *wanted = itemOf(transponder->satellite());
    if (wanted && wanted->parent() != m_satellitesItem)
        wanted = nullptr;
    QTreeWidgetItem *parent = item->parent();
    const bool sorted = m_settings && m_settings->rules().sortedTransponders;
    if (parent && parent == wanted) {
        const int index = parent->indexOfChild(item);
        const bool afterPrevious = index == 0 || !(*item < *parent->child(index - 1));
        const bool beforeNext = index == parent->childCount() - 1 || !(*parent->child(index + 1) < *item);
        // Most edits leave it where it is: touching it then would disturb
        // the selection for nothing.
        if (!sorted || (afterPrevious && beforeNext))
            return;
    }
    if (!parent && !wanted)
        return;

    // Taking the item out drops it from the selection; put back as it was,
    // in the same order, the window sees no change.
    const EditableTreeState state = EditableTreeState::capture(*this);
    m_quiet = true;
    if (parent)
        parent->removeChild(item);
    if (wanted) {
        // Inserted at its sorted place rather than sorting all the
        // satellite's transponders again, so that a batch stays cheap.
        int position = wanted->childCount();
        if (sorted) {
            int low = 0;
            while (low < position) {
                const int middle = (low + position) / 2;
                if (*item < *wanted->child(middle))
                    position = middle;
                else
                    low = middle + 1;
            }
        }
        wanted->insertChild(position, item);
    }
    state.restore(*this);
    m_quiet = false;
    m_builtShape = currentShape();
    announceSelection();
}

QList<Editable *> EditableTreeWidget::selectedEditables() const
{
    QList<Editable *> editables;
    const QList<QTreeWidgetItem *> items = selectedItems();
    for (QTreeWidgetItem *item : items)
        if (Editable *editable = m_editableItems.value(item))
            editables.append(editable);
    return editables;
}

Editable *EditableTreeWidget::editableAt(const QPoint &pos) const
{
    return m_editableItems.value(itemAt(pos));
}

void EditableTreeWidget::QTreeWidgetItemSelectionChanged()
{
    if (m_quiet)
        return;
    const QList<QTreeWidgetItem *> items = selectedItems();
    if (items.isEmpty())
        return;
    if (Editable *editable = m_editableItems.value(items.first())) {
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
    const Shape shape = m_settings ? currentShape() : Shape();
    if (m_settings && shape == m_builtShape) {
        refreshTexts();
        return;
    }
    const EditableTreeState state = EditableTreeState::capture(*this);
    m_quiet = true;
    // A delete, the commonest change, only takes items out: building
    // thousands of them again made deleting one satellite slow.
    if (!m_settings || !takeOutItemsOfRemovedObjects(shape)) {
        clearTree();
        if (m_settings)
            buildTree();
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
    if (Editable *editable = m_editableItems.value(items.first()))
        editDialog(this, editable, m_settings);
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
    const QString summary = DeletionSummary::describe(*m_settings, doomed);
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
    if (editSatellite(this, satellite.get(), m_settings) && m_settings)
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
    if (editProvider(this, provider.get(), m_settings) && m_settings)
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

void EditableTreeWidget::selectForContextMenu(const QPoint &pos)
{
    // The menu acts on the selection, so the item it was asked for must
    // be part of it; a selection it is part of stays as it is.
    QTreeWidgetItem *item = itemAt(pos);
    if (!item)
        clearSelection();
    else if (!item->isSelected())
        setCurrentItem(item);
}

void EditableTreeWidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (event->reason() == QContextMenuEvent::Mouse)
        selectForContextMenu(event->pos());
    const QList<QAction *> actions = contextMenuActions();
    if (actions.isEmpty())
        return;
    QMenu menu(this);
    menu.addActions(actions);
    menu.exec(event->globalPos());
}

void EditableTreeWidget::keyPressEvent(QKeyEvent *event)
{
    if (ContextMenuKey::handle(this, event))
        return;
    if (event->matches(QKeySequence::Delete)) {
        deleteSelectedEditables();
        event->accept();
        return;
    }
    // The keyboard's way to what a double click does.
    if (currentItem()
        && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_F2)
        && state() != EditingState) {
        editEditable();
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void EditableTreeWidget::mousePressEvent(QMouseEvent *event)
{
    m_press = Press::None;
    m_deferredPress.reset();
    QTreeWidgetItem *item = itemAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && item) {
        m_dragStart = event->position().toPoint();
        if (item->isSelected()) {
            // The press may begin a drag of the whole selection; whether it
            // was a click that selects this item alone is known on release.
            m_press = Press::OnSelectedItem;
            m_deferredPress.reset(event->clone());
            event->accept();
            return;
        }
        m_press = Press::OnItem;
    }
    QTreeWidget::mousePressEvent(event);
}

void EditableTreeWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_press == Press::None) {
        if (m_press == Press::Dragged)
            setState(NoState);
        m_press = Press::None;
        m_deferredPress.reset();
        QTreeWidget::mouseMoveEvent(event);
        return;
    }
    // A press on an item leads to a drag or a click, never to selecting
    // what the mouse passes over.
    if (m_press == Press::Dragged
        || (event->position().toPoint() - m_dragStart).manhattanLength() < QApplication::startDragDistance())
        return;
    m_press = Press::Dragged;
    m_deferredPress.reset();
    execEditableDrag(this, selectedEditables());
    // The rest of this press belongs to the finished drag.
    setState(NoState);
}

void EditableTreeWidget::mouseReleaseEvent(QMouseEvent *event)
{
    const Press press = std::exchange(m_press, Press::None);
    if (press == Press::Dragged) {
        event->accept();
        return;
    }
    if (const std::unique_ptr<QMouseEvent> deferred = std::move(m_deferredPress))
        QTreeWidget::mousePressEvent(deferred.get());
    QTreeWidget::mouseReleaseEvent(event);
}

void EditableTreeWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click on a selected item was held back
    // like any other; the double click settles it.
    m_press = Press::None;
    if (const std::unique_ptr<QMouseEvent> deferred = std::move(m_deferredPress))
        QTreeWidget::mousePressEvent(deferred.get());
    QTreeWidget::mouseDoubleClickEvent(event);
}

void EditableTreeWidget::startDrag(Qt::DropActions)
{ }

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

bool EditableTreeWidget::roomInGroup(const QList<Editable *> &dragged, Editable *group)
{
    const QList<Channel *> members = m_settings->channelsOf(group);
    const QSet<const Editable *> memberSet(members.cbegin(), members.cend());
    // The group list ignores channels it already holds.
    QSet<const Editable *> joining;
    for (const Editable *editable : dragged)
        if (!memberSet.contains(editable))
            joining.insert(editable);
    const auto full
        = CapacityCheck::overflow(*m_settings, CapacityCheck::Kind::GroupChannels, joining.size(), group);
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
    if (target->typeCode() == FavoriteGroupType && !roomInGroup(dragged, target)) {
        event->ignore();
        return;
    }
    m_settings->dropEditables(dragged, target, nullptr);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}
