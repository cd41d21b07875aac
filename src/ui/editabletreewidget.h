#pragma once

#include "store/capacitycheck.h"
#include "ui/editabletreeitems.h"
#include "ui/editableviewgestures.h"

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QTreeWidget>

#include <memory>

class QAction;
class Editable;
class Settings;
class SettingsHistory;

// The object tree: satellites with their transponders, providers and
// favourite groups under three fixed top-level items. The widget owns its
// items and actions, and leaves the items' bookkeeping to EditableTreeItems;
// the store and its objects are only referenced. Every
// change the user makes goes through the store, and the tree repaints
// itself from the store's signals.
class EditableTreeWidget : public EditableViewGestures<QTreeWidget>
{
    Q_OBJECT

public:
    explicit EditableTreeWidget(QWidget *parent = nullptr);
    ~EditableTreeWidget() override;

    void setSettings(Settings *settings);
    // The history whose steps the tree's actions name, or null.
    void setHistory(SettingsHistory *history) { m_history = history; }

    QTreeWidgetItem *satellitesItem() const { return m_satellitesItem; }
    QTreeWidgetItem *providersItem() const { return m_providersItem; }
    QTreeWidgetItem *favoritesItem() const { return m_favoritesItem; }
    // The item that shows the object, or null.
    QTreeWidgetItem *itemOf(const Editable *editable) const { return m_items->itemOf(editable); }
    // The object an item shows, or null.
    Editable *editableOf(const QTreeWidgetItem *item) const { return m_items->editableOf(item); }
    // The id of the object an item shows, or 0; read from the item alone,
    // so it is safe while the store is replacing its objects.
    static quint64 idOf(const QTreeWidgetItem *item) { return EditableTreeItems::idOf(item); }
    // The item that shows the object with this id, or null.
    QTreeWidgetItem *itemOfId(quint64 id) const { return m_items->itemOfId(id); }
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
    QList<Editable *> draggedEditables() const override { return selectedEditables(); }
    void deleteSelection() override { deleteSelectedEditables(); }
    void editCurrent() override { editEditable(); }
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    // Tells the window about the first selected object when it is not the
    // one last told.
    void announceSelection();
    void setDropTarget(QTreeWidgetItem *item);
    // Keeping the items leaves them in place, unselected and folded, for
    // EditableTreeItems::reuse().
    void clearTree(bool keepItems = false);
    void forgetItemStates();
    // The dragged objects when all of them are still held by the store and
    // may be dropped on the target; empty otherwise.
    QList<Editable *> droppableEditables(const QMimeData *data, Editable *target) const;
    // Tells the user and returns false when the store cannot take one more
    // object of a kind.
    bool roomForOneMore(CapacityCheck::Kind kind, const QString &what);
    // The dragged channels that a group does not hold yet, each once.
    QList<Editable *> joiningGroup(const QList<Editable *> &dragged, Editable *group) const;
    bool roomInGroup(qsizetype joining, Editable *group);

    QPointer<Settings> m_settings;
    SettingsHistory *m_history = nullptr;
    QTreeWidgetItem *m_satellitesItem = nullptr;
    QTreeWidgetItem *m_providersItem = nullptr;
    QTreeWidgetItem *m_favoritesItem = nullptr;
    std::unique_ptr<EditableTreeItems> m_items;
    // Set while the tree changes its own items, so that the selection
    // changes this causes are announced once afterwards, if at all.
    bool m_quiet = false;
    quint64 m_announcedId = 0;
    QTreeWidgetItem *m_dropTarget = nullptr;
    QAction *m_editAction = nullptr;
    QAction *m_deleteAction = nullptr;
    QAction *m_createSatelliteAction = nullptr;
    QAction *m_createTransponderAction = nullptr;
    QAction *m_createProviderAction = nullptr;
};
