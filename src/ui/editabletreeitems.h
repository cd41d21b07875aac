#pragma once

#include <QHash>
#include <QList>
#include <QPointer>

#include <optional>
#include <utility>

class QString;
class QTreeWidget;
class QTreeWidgetItem;
class Editable;
class FavoriteGroup;
class Provider;
class Satellite;
class Settings;
class Transponder;

// The object tree's items and the objects they show: builds the items of a
// store under the three top-level items, finds an object's item and an
// item's object, and keeps the items in line with the store's lists and
// properties. Items in the tree belong to the tree widget, the rest (a
// transponder's whose satellite lost its item) to this bookkeeping; the
// store's objects are only referenced. Selection, expansion and what the
// window is told stay with the widget.
class EditableTreeItems
{
public:
    // The objects the tree shows and where, in store order: a rebuild is
    // needed only when this differs from what was built.
    struct Shape
    {
        QList<const Editable *> objects;
        QList<const Editable *> parents;
        // An undo may bring other objects back at the very same addresses.
        QList<quint64> ids;
        bool operator==(const Shape &other) const
        {
            return objects == other.objects && parents == other.parents && ids == other.ids;
        }
    };

    // The new store's objects in the places of the items shown, when the
    // tree has the same shape: as many satellites, providers and groups,
    // and as many transponders under each satellite.
    struct ItemPlan
    {
        QList<Satellite *> satellites;
        QList<QList<Transponder *>> transponders;
        QList<Provider *> providers;
        QList<FavoriteGroup *> groups;
        qsizetype itemCount = 0;
    };

    EditableTreeItems(QTreeWidget *tree, QTreeWidgetItem *satellites, QTreeWidgetItem *providers,
        QTreeWidgetItem *favorites);
    ~EditableTreeItems();
    EditableTreeItems(const EditableTreeItems &) = delete;
    EditableTreeItems &operator=(const EditableTreeItems &) = delete;

    // The item that shows the object, or null.
    QTreeWidgetItem *itemOf(const Editable *editable) const { return m_itemOfEditable.value(editable); }
    // The object an item shows, or null; never dereferences the item.
    Editable *editableOf(const QTreeWidgetItem *item) const;
    // The id of the object an item shows, or 0; read from the item alone,
    // so it is safe while the store is replacing its objects.
    static quint64 idOf(const QTreeWidgetItem *item);
    QTreeWidgetItem *itemOfId(quint64 id) const { return m_itemOfId.value(id); }

    // The store's objects in the places of the items shown, when they fit.
    std::optional<ItemPlan> planReuse(const Settings &settings) const;
    // Forgets every object; the items below the top-level ones go unless
    // kept for reuse(). Call it before the store the items are for changes.
    void forget(bool keepItems);
    // Drops the items below the top-level ones.
    void deleteChildItems();
    // The items of the store: built anew, or the kept ones given the
    // planned objects.
    void build(Settings *settings);
    void reuse(Settings *settings, const ItemPlan &plan);

    Shape currentShape() const;
    bool isBuilt(const Shape &shape) const { return shape == m_builtShape; }
    // When the store's shape is the built one with objects taken out, takes
    // out their items and returns true; otherwise leaves the tree alone.
    bool takeOutItemsOfRemovedObjects(const Shape &shape);
    void refreshTexts();
    static void refreshText(QTreeWidgetItem *item, const Editable *editable);
    // Whether a changed transponder's item is no longer under its
    // satellite's item, or out of its sorted place there.
    bool isMisplaced(QTreeWidgetItem *item, const Transponder &transponder) const;
    // Moves a transponder's item under its satellite's item and into its
    // sorted place; out of the tree when the satellite has no item.
    void placeTransponderItem(QTreeWidgetItem *item, const Transponder &transponder);

private:
    QTreeWidgetItem *wantedParent(const Transponder &transponder) const;
    bool sortsTransponders() const;
    // Items for the objects, not yet in the tree.
    template<typename T> QList<QTreeWidgetItem *> newItems(const QList<T *> &editables);
    void addItem(QTreeWidgetItem *item, Editable *editable);
    void addItem(QTreeWidgetItem *item, Editable *editable, const QString &text);
    void addRootItems();
    void reserveItems(qsizetype count);
    // The items of one satellite's transponders, in the order they show.
    void sortTransponderItems(QList<QTreeWidgetItem *> &items) const;
    // Texts with what shows them, in the order a satellite's transponders show.
    template<typename T> void sortAsShown(QList<std::pair<QString, T>> &keyed) const;

    QTreeWidget *m_tree;
    QTreeWidgetItem *m_satellitesItem;
    QTreeWidgetItem *m_providersItem;
    QTreeWidgetItem *m_favoritesItem;
    QPointer<Settings> m_settings;
    QHash<QTreeWidgetItem *, Editable *> m_editableItems;
    // The reverse of m_editableItems, so a refresh finds its item at once.
    QHash<const Editable *, QTreeWidgetItem *> m_itemOfEditable;
    // Finds an object's item again after an undo brought the object back
    // under its id at another address.
    QHash<quint64, QTreeWidgetItem *> m_itemOfId;
    Shape m_builtShape;
};
