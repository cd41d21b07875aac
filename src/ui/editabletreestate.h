#pragma once

#include <QList>
#include <QSet>

class EditableTreeWidget;

// What the user sees of the tree beyond its content: which objects are
// expanded and which are selected. Taken before a rebuild and put back
// afterwards, so that a rebuild does not throw the user's place away.
// Objects are remembered by id, read from the items alone: an undo replaces
// every object by a new one under the same id, and those that a rebuild no
// longer shows simply drop out.
class EditableTreeState
{
public:
    static EditableTreeState capture(const EditableTreeWidget &tree);
    // Expands and selects what is still there; returns whether any of the
    // remembered selection was found again.
    bool restore(EditableTreeWidget &tree) const;

private:
    QSet<quint64> m_expanded;
    QList<quint64> m_selected;
    quint64 m_current = 0;
};
