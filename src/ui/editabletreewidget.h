#pragma once

#include "store/capacitycheck.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QPoint>
#include <QPointer>
#include <QTreeWidget>

#include <memory>
#include <optional>

class QAction;
class Editable;
class FavoriteGroup;
class Provider;
class Satellite;
class Settings;
class Transponder;

// The object tree: satellites with their transponders, providers and
// favourite groups under three fixed top-level items. The widget owns its
// items and actions; the store and its objects are only referenced. Every
// change the user makes goes through the store, and the tree repaints
// itself from the store's signals.
class EditableTreeWidget : public QTreeWidget
{
    Q_OBJECT

public:
    explicit EditableTreeWidget(QWidget *parent = nullptr);
    ~EditableTreeWidget() override;

    void setSettings(Settings *settings);

    QTreeWidgetItem *satellitesItem() const { return m_satellitesItem; }
    QTreeWidgetItem *providersItem() const { return m_providersItem; }
    QTreeWidgetItem *favoritesItem() const { return m_favoritesItem; }
    // The item that shows the object, or null.
    QTreeWidgetItem *itemOf(const Editable *editable) const;
    // The object an item shows, or null.
    Editable *editableOf(const QTreeWidgetItem *item) const;
    // The id of the object an item shows, or 0; read from the item alone,
    // so it is safe while the store is replacing its objects.
    static quint64 idOf(const QTreeWidgetItem *item);
    // The item that shows the object with this id, or null.
    QTreeWidgetItem *itemOfId(quint64 id) const;
    QList<Editable *> selectedEditables() const;
    // The object of the item at a point in viewport coordinates, or null.
    Editable *editableAt(const QPoint &pos) const;
    // The entries the context menu offers for the current selection.
    QList<QAction *> contextMenuActions() const;

signals:
    void editableSelectionChanged(Editable *editable);
    // After a delete, what went, for the status bar.
    void deleted(const QString &summary);

public slots:
    void QTreeWidgetItemDoubleClicked(QTreeWidgetItem *item, int column);
    void QTreeWidgetItemSelectionChanged();
    void updateEditable(Editable *editable);
    void rebuildEditableTree();
    void editEditable();
    void deleteSelectedEditables();
    void createSatellite();
    void createTransponder();
    void createProvider();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // The drag is started by mouseMoveEvent with our own payload.
    void startDrag(Qt::DropActions supportedActions) override;

private:
    static constexpr int IdRole = Qt::UserRole + 1;

    // What a left press on an item has led to so far.
    enum class Press { None, OnItem, OnSelectedItem, Dragged };

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

    Shape currentShape() const;
    void refreshTexts();
    // Tells the window about the first selected object when it is not the
    // one last told.
    void announceSelection();
    void selectForContextMenu(const QPoint &pos);
    void setDropTarget(QTreeWidgetItem *item);
    // Keeping the items leaves them in place, unselected and folded, for
    // reuseItems().
    void clearTree(bool keepItems = false);
    void forgetItemStates();
    void buildTree();
    // When the store's shape is the built one with objects taken out, takes
    // out their items and returns true; otherwise leaves the tree alone.
    bool takeOutItemsOfRemovedObjects(const Shape &shape);
    std::optional<ItemPlan> planReuse(const Settings &settings) const;
    void reuseItems(const ItemPlan &plan);
    // Items for the objects, not yet in the tree.
    template<typename T> QList<QTreeWidgetItem *> newItems(const QList<T *> &editables);
    void addItem(QTreeWidgetItem *item, Editable *editable);
    void addItem(QTreeWidgetItem *item, Editable *editable, const QString &text);
    void reserveItems(qsizetype count);
    static void refreshText(QTreeWidgetItem *item, const Editable *editable);
    // Moves a transponder's item under its satellite's item and into its
    // sorted place after the transponder changed.
    void placeTransponderItem(QTreeWidgetItem *item, Editable *transponder);
    // The items of one satellite's transponders, in the order they show.
    void sortTransponderItems(QList<QTreeWidgetItem *> &items) const;
    // Texts with what shows them, in the order a satellite's transponders show.
    template<typename T> void sortAsShown(QList<std::pair<QString, T>> &keyed) const;
    // The dragged objects when all of them are still held by the store and
    // may be dropped on the target; empty otherwise.
    QList<Editable *> droppableEditables(const QMimeData *data, Editable *target) const;
    // Tells the user and returns false when the store cannot take one more
    // object of a kind.
    bool roomForOneMore(CapacityCheck::Kind kind, const QString &what);
    bool roomInGroup(const QList<Editable *> &dragged, Editable *group);

    QPointer<Settings> m_settings;
    QTreeWidgetItem *m_satellitesItem = nullptr;
    QTreeWidgetItem *m_providersItem = nullptr;
    QTreeWidgetItem *m_favoritesItem = nullptr;
    QHash<QTreeWidgetItem *, Editable *> m_editableItems;
    // The reverse of m_editableItems, so a refresh finds its item at once.
    QHash<const Editable *, QTreeWidgetItem *> m_itemOfEditable;
    // Finds an object's item again after an undo brought the object back
    // under its id at another address.
    QHash<quint64, QTreeWidgetItem *> m_itemOfId;
    Shape m_builtShape;
    // Set while the tree changes its own items, so that the selection
    // changes this causes are announced once afterwards, if at all.
    bool m_quiet = false;
    quint64 m_announcedId = 0;
    QPoint m_dragStart;
    Press m_press = Press::None;
    std::unique_ptr<QMouseEvent> m_deferredPress;
    QTreeWidgetItem *m_dropTarget = nullptr;
    QAction *m_editAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_createSatelliteAction = nullptr;
    QAction *m_createTransponderAction = nullptr;
    QAction *m_createProviderAction = nullptr;
};
