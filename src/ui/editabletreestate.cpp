#include "editabletreestate.h"

#include "editabletreewidget.h"

#include <QTreeWidgetItemIterator>

EditableTreeState EditableTreeState::capture(const EditableTreeWidget &tree)
{
    EditableTreeState state;
    for (QTreeWidgetItemIterator it(const_cast<EditableTreeWidget *>(&tree)); *it; ++it)
        if ((*it)->isExpanded())
            state.m_expanded.insert(tree.editableOf(*it));
    const QList<QTreeWidgetItem *> selected = tree.selectedItems();
    for (const QTreeWidgetItem *item : selected)
        state.m_selected.append(tree.editableOf(item));
    state.m_current = tree.editableOf(tree.currentItem());
    state.m_expanded.remove(nullptr);
    state.m_selected.removeAll(nullptr);
    return state;
}

bool EditableTreeState::restore(EditableTreeWidget &tree) const
{
    for (const Editable *editable : m_expanded)
        if (QTreeWidgetItem *item = tree.itemOf(editable))
            item->setExpanded(true);
    // The current item first: setting it may select it on its own.
    if (QTreeWidgetItem *current = tree.itemOf(m_current))
        tree.setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    tree.clearSelection();
    bool found = false;
    for (const Editable *editable : m_selected) {
        if (QTreeWidgetItem *item = tree.itemOf(editable)) {
            item->setSelected(true);
            found = true;
        }
    }
    return found;
}
