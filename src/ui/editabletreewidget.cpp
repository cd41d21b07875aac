#include "editabletreewidget.h"

#include "channel.h"
#include "editablemimedata.h"
#include "editdialog.h"
#include "favoritegroup.h"
#include "provider.h"
#include "rooteditable.h"
#include "satellite.h"
#include "settings.h"
#include "transponder.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>

#include <memory>

EditableTreeWidget::EditableTreeWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setColumnCount(1);
    setHeaderLabel(tr("Objects"));
    m_satellitesItem = new QTreeWidgetItem(this, { QStringLiteral("Satellites") });
    m_providersItem = new QTreeWidgetItem(this, { QStringLiteral("Providers") });
    m_favoritesItem = new QTreeWidgetItem(this, { QStringLiteral("Favorites") });

    setSelectionMode(ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);

    m_editAction = new QAction(QStringLiteral("edit"), this);
    m_deleteAction
        = new QAction(QIcon(QStringLiteral(":/icons/editdelete.png")), QStringLiteral("delete"), this);
    m_createSatelliteAction
        = new QAction(QIcon(QStringLiteral(":/icons/plus.png")), QStringLiteral("create satellite"), this);
    m_createTransponderAction
        = new QAction(QIcon(QStringLiteral(":/icons/plus.png")), QStringLiteral("create transponder"), this);
    m_createProviderAction
        = new QAction(QIcon(QStringLiteral(":/icons/plus.png")), QStringLiteral("create provider"), this);
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
    clearTree();
    m_settings = settings;
    if (!settings)
        return;
    connect(settings, &Settings::updatedEditable, this, &EditableTreeWidget::updateEditable);
    connect(settings, &Settings::updatedSatelliteList, this, &EditableTreeWidget::rebuildEditableTree);
    connect(settings, &Settings::updatedTransponderList, this, &EditableTreeWidget::rebuildEditableTree);
    connect(settings, &Settings::updatedProviderList, this, &EditableTreeWidget::rebuildEditableTree);
    buildTree();
}

QTreeWidgetItem *EditableTreeWidget::itemOf(const Editable *editable) const
{
    return m_itemOfEditable.value(editable);
}

void EditableTreeWidget::clearTree()
{
    // Emptied first, so the selection changes of clearing find no object
    // and announce nothing.
    const QList<QTreeWidgetItem *> items = m_editableItems.keys();
    m_editableItems.clear();
    m_itemOfEditable.clear();
    // Transponder items whose satellite lost its item are held by nobody.
    for (QTreeWidgetItem *item : items)
        if (!item->treeWidget())
            delete item;
    m_satellitesItem->setSelected(true);
    for (QTreeWidgetItem *topLevel : { m_satellitesItem, m_providersItem, m_favoritesItem })
        qDeleteAll(topLevel->takeChildren());
}

void EditableTreeWidget::buildTree()
{
    addItem(m_satellitesItem, m_settings->satellitesRoot());
    addItem(m_providersItem, m_settings->providersRoot());
    addItem(m_favoritesItem, m_settings->favoritesRoot());
    const QList<Satellite *> satellites = m_settings->satellites();
    for (Satellite *satellite : satellites)
        addItem(new QTreeWidgetItem(m_satellitesItem), satellite);
    const QList<Provider *> providers = m_settings->providers();
    for (Provider *provider : providers)
        addItem(new QTreeWidgetItem(m_providersItem), provider);
    const QList<Transponder *> transponders = m_settings->transponders();
    for (Transponder *transponder : transponders) {
        // A transponder without a satellite of the store has no place to show.
        QTreeWidgetItem *satelliteItem = itemOf(transponder->satellite());
        if (satelliteItem && satelliteItem->parent() == m_satellitesItem)
            addItem(new QTreeWidgetItem(satelliteItem), transponder);
    }
    const QList<FavoriteGroup *> groups = m_settings->favoriteGroups();
    for (FavoriteGroup *group : groups)
        addItem(new QTreeWidgetItem(m_favoritesItem), group);
    for (int i = 0; i < m_satellitesItem->childCount(); ++i)
        sortTransponderItems(m_satellitesItem->child(i));
}

void EditableTreeWidget::addItem(QTreeWidgetItem *item, Editable *editable)
{
    m_editableItems.insert(item, editable);
    m_itemOfEditable.insert(editable, item);
    // Only the text: buildTree sorts each satellite's transponders once at
    // the end, which keeps a rebuild linear in the number of items.
    refreshText(item, editable);
}

void EditableTreeWidget::refreshText(QTreeWidgetItem *item, const Editable *editable)
{
    const QString text = editable->displayText();
    if (item->text(0) != text)
        item->setText(0, text);
}

void EditableTreeWidget::sortTransponderItems(QTreeWidgetItem *satelliteItem)
{
    // As text, not as numbers: "9750 H" sorts after "11700 V".
    if (m_settings && m_settings->features().contains(1))
        satelliteItem->sortChildren(0, Qt::AscendingOrder);
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
    const bool selected = item->isSelected();
    if (parent)
        parent->removeChild(item);
    if (!wanted)
        return;
    // Inserted at its sorted place rather than sorting all the satellite's
    // transponders again, so that a batch of changes stays cheap.
    int position = wanted->childCount();
    if (m_settings && m_settings->features().contains(1)) {
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
    item->setSelected(selected);
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
    const QList<QTreeWidgetItem *> items = selectedItems();
    if (items.isEmpty())
        return;
    if (Editable *editable = m_editableItems.value(items.first()))
        emit editableSelectionChanged(editable);
}

void EditableTreeWidget::rebuildEditableTree()
{
    clearTree();
    if (m_settings)
        buildTree();
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
    if (m_settings)
        m_settings->removeEditables(selectedEditables());
}

bool EditableTreeWidget::roomForOneMore(qsizetype count, int capacity, const QString &message)
{
    if (count < capacity)
        return true;
    QMessageBox::warning(this, tr("Cannot create"), message.arg(capacity));
    return false;
}

void EditableTreeWidget::createSatellite()
{
    if (!m_settings
        || !roomForOneMore(m_settings->satellites().size(), m_settings->capacity().satellites,
            tr("The settings file holds at most %1 satellites.")))
        return;
    auto satellite = std::make_unique<Satellite>();
    if (editSatellite(this, satellite.get(), m_settings) && m_settings)
        m_settings->addSatellite(satellite.release());
}

void EditableTreeWidget::createTransponder()
{
    // A transponder needs a satellite, so none is created without one.
    if (!m_settings || m_settings->satellites().isEmpty()
        || !roomForOneMore(m_settings->transponders().size(), m_settings->capacity().transponders,
            tr("The settings file holds at most %1 transponders.")))
        return;
    auto transponder = std::make_unique<Transponder>();
    const QList<Editable *> selected = selectedEditables();
    if (!selected.isEmpty() && selected.first()->typeCode() == SatelliteType)
        transponder->setSatellite(static_cast<Satellite *>(selected.first()));
    if (editTransponder(this, transponder.get(), m_settings) && m_settings)
        m_settings->addTransponder(transponder.release());
}

void EditableTreeWidget::createProvider()
{
    if (!m_settings
        || !roomForOneMore(m_settings->providers().size(), m_settings->capacity().providers,
            tr("The settings file holds at most %1 providers.")))
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
            actions.append(m_editAction);
            switch (editables.first()->typeCode()) {
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
    const QList<QAction *> actions = contextMenuActions();
    if (actions.isEmpty())
        return;
    QMenu menu(this);
    menu.addActions(actions);
    menu.exec(event->globalPos());
}

void EditableTreeWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Delete)) {
        deleteSelectedEditables();
        event->accept();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void EditableTreeWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragStart = event->position().toPoint();
    QTreeWidget::mousePressEvent(event);
}

void EditableTreeWidget::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton)
        && (event->position().toPoint() - m_dragStart).manhattanLength()
            >= QApplication::startDragDistance()) {
        execEditableDrag(this, selectedEditables());
    }
    QTreeWidget::mouseMoveEvent(event);
}

void EditableTreeWidget::startDrag(Qt::DropActions)
{ }

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
    const int capacity = m_settings->capacity().channelsPerGroup;
    if (members.size() + joining.size() <= capacity)
        return true;
    QMessageBox::warning(this, tr("Cannot add channels"),
        tr("A favourite group holds at most %1 channels; %2 already belong to \"%3\".")
            .arg(capacity)
            .arg(members.size())
            .arg(group->displayText()));
    return false;
}

void EditableTreeWidget::dragEnterEvent(QDragEnterEvent *event)
{
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void EditableTreeWidget::dragMoveEvent(QDragMoveEvent *event)
{
    Editable *target = editableAt(event->position().toPoint());
    if (droppableEditables(event->mimeData(), target).isEmpty()) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void EditableTreeWidget::dropEvent(QDropEvent *event)
{
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
