#include "ui/editabletreestate.h"

#include "ui/editabletreewidget.h"

#include <QTreeWidgetItemIterator>

EditableTreeState EditableTreeState::capture(const EditableTreeWidget &tree)
{
    EditableTreeState state;
    for (QTreeWidgetItemIterator it(const_cast<EditableTreeWidget *>(&tree)); *it; ++it)
        if ((*it)->isExpanded())
            state.m_expanded.insert(EditableTreeWidget::idOf(*it));
    const QList<QTreeWidgetItem *> selected = tree.selectedItems();
    for (const QTreeWidgetItem *item : selected)
        state.m_selected.append(EditableTreeWidget::idOf(item));
    state.m_current = EditableTreeWidget::idOf(tree.currentItem());
    state.m_expanded.remove(0);
    state.m_selected.removeAll(0);
    return state;
}

bool EditableTreeState::restore(EditableTreeWidget &tree) const
{
    for (quint64 id : m_expanded)
        if (QTreeWidgetItem *item = tree.itemOfId(id))
            item->setExpanded(true);
    // The current item first: setting it may select it on its own.
    if (QTreeWidgetItem *current = tree.itemOfId(m_current))
        tree.setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    tree.clearSelection();
    bool found = false;
    for (quint64 id : m_selected) {
        if (QTreeWidgetItem *item = tree.itemOfId(id)) {
            item->setSelected(true);
            found = true;
        }
    }
    return found;
}
