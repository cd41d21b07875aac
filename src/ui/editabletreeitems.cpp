#include "ui/editabletreeitems.h"

#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <QSet>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int IdRole = Qt::UserRole + 1;

} // namespace

EditableTreeItems::EditableTreeItems(
    QTreeWidget *tree, QTreeWidgetItem *satellites, QTreeWidgetItem *providers, QTreeWidgetItem *favorites)
    : m_tree(tree)
    , m_satellitesItem(satellites)
    , m_providersItem(providers)
    , m_favoritesItem(favorites)
{ }

EditableTreeItems::~EditableTreeItems()
{
    // Items out of the tree are the only ones the tree widget does not delete.
    const QList<QTreeWidgetItem *> items = m_editableItems.keys();
    for (QTreeWidgetItem *item : items)
        if (!item->treeWidget())
            delete item;
}

Editable *EditableTreeItems::editableOf(const QTreeWidgetItem *item) const
{
    return m_editableItems.value(const_cast<QTreeWidgetItem *>(item));
}

quint64 EditableTreeItems::idOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, IdRole).toULongLong() : 0;
}

void EditableTreeItems::forget(bool keepItems)
{
    const QList<QTreeWidgetItem *> items = m_editableItems.keys();
    m_editableItems.clear();
    m_itemOfEditable.clear();
    m_itemOfId.clear();
    m_builtShape = {};
    m_settings = nullptr;
    if (keepItems)
        return;
    // Transponder items whose satellite lost its item are held by nobody.
    for (QTreeWidgetItem *item : items)
        if (!item->treeWidget())
            delete item;
}

void EditableTreeItems::deleteChildItems()
{
    for (QTreeWidgetItem *topLevel : { m_satellitesItem, m_providersItem, m_favoritesItem })
        qDeleteAll(topLevel->takeChildren());
}

void EditableTreeItems::addRootItems()
{
    addItem(m_satellitesItem, m_settings->satellitesRoot());
    addItem(m_providersItem, m_settings->providersRoot());
    addItem(m_favoritesItem, m_settings->favoritesRoot());
}

bool EditableTreeItems::sortsTransponders() const
{
    return m_settings && m_settings->rules().sortedTransponders;
}

QTreeWidgetItem *EditableTreeItems::wantedParent(const Transponder &transponder) const
{
    QTreeWidgetItem *wanted = itemOf(transponder.satellite());
    return wanted && wanted->parent() == m_satellitesItem ? wanted : nullptr;
}

bool EditableTreeItems::isMisplaced(QTreeWidgetItem *item, const Transponder &transponder) const
{
    QTreeWidgetItem *wanted = wantedParent(transponder);
    QTreeWidgetItem *parent = item->parent();
    if (parent && parent == wanted) {
        const int index = parent->indexOfChild(item);
        const bool afterPrevious = index == 0 || !(*item < *parent->child(index - 1));
        const bool beforeNext = index == parent->childCount() - 1 || !(*parent->child(index + 1) < *item);
        // Most edits leave it where it is: touching it then would disturb
        // the selection for nothing.
        return sortsTransponders() && !(afterPrevious && beforeNext);
    }
    return parent || wanted;
}

void EditableTreeItems::placeTransponderItem(QTreeWidgetItem *item, const Transponder &transponder)
{
    QTreeWidgetItem *wanted = wantedParent(transponder);
    if (QTreeWidgetItem *parent = item->parent())
        parent->removeChild(item);
    if (wanted) {
        // Inserted at its sorted place rather than sorting all the
        // satellite's transponders again, so that a batch stays cheap.
        int position = wanted->childCount();
        if (sortsTransponders()) {
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
    m_builtShape = currentShape();
}

std::optional<EditableTreeItems::ItemPlan> EditableTreeItems::planReuse(const Settings &settings) const
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

void EditableTreeItems::reuse(Settings *settings, const ItemPlan &plan)
{
    m_settings = settings;
    reserveItems(plan.itemCount);
    addRootItems();
    // Only the texts change, not the tree's shape: the view is told once
    // at the end instead of once per item.
    const QSignalBlocker quietModel(m_tree->model());
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
    m_tree->viewport()->update();
}

void EditableTreeItems::reserveItems(qsizetype count)
{
    m_editableItems.reserve(count);
    m_itemOfEditable.reserve(count);
    m_itemOfId.reserve(count);
}

void EditableTreeItems::build(Settings *settings)
{
    m_settings = settings;
    reserveItems(3 + m_settings->satellites().size() + m_settings->transponders().size()
        + m_settings->providers().size() + m_settings->favoriteGroups().size());
    addRootItems();
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

bool EditableTreeItems::takeOutItemsOfRemovedObjects(const Shape &shape)
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

template<typename T> QList<QTreeWidgetItem *> EditableTreeItems::newItems(const QList<T *> &editables)
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

EditableTreeItems::Shape EditableTreeItems::currentShape() const
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

void EditableTreeItems::refreshTexts()
{
    for (auto it = m_editableItems.cbegin(); it != m_editableItems.cend(); ++it)
        refreshText(it.key(), it.value());
}

void EditableTreeItems::addItem(QTreeWidgetItem *item, Editable *editable)
{
    // Only the text: build() sorts each satellite's transponders once at
    // the end, which keeps a rebuild linear in the number of items.
    addItem(item, editable, editable->displayText());
}

void EditableTreeItems::addItem(QTreeWidgetItem *item, Editable *editable, const QString &text)
{
    m_editableItems.insert(item, editable);
    m_itemOfEditable.insert(editable, item);
    m_itemOfId.insert(editable->id(), item);
    item->setData(0, IdRole, editable->id());
    if (item->text(0) != text)
        item->setText(0, text);
}

void EditableTreeItems::refreshText(QTreeWidgetItem *item, const Editable *editable)
{
    const QString text = editable->displayText();
    if (item->text(0) != text)
        item->setText(0, text);
}

void EditableTreeItems::sortTransponderItems(QList<QTreeWidgetItem *> &items) const
{
    QList<std::pair<QString, QTreeWidgetItem *>> keyed;
    keyed.reserve(items.size());
    for (QTreeWidgetItem *item : std::as_const(items))
        keyed.append({ item->text(0), item });
    sortAsShown(keyed);
    for (qsizetype i = 0; i < keyed.size(); ++i)
        items[i] = keyed.at(i).second;
}

template<typename T> void EditableTreeItems::sortAsShown(QList<std::pair<QString, T>> &keyed) const
{
    if (!sortsTransponders())
        return;
    // As text, not as numbers: "9750 H" sorts after "11700 V". A
    // transponder's text is never empty, so comparing the texts, stably,
    // gives the order the items' own comparison gives, without building two
    // variants for every comparison.
    std::stable_sort(keyed.begin(), keyed.end(),
        [](const auto &left, const auto &right) { return left.first < right.first; });
}
