#pragma once

#include <QList>
#include <QSet>

class Editable;
class EditableTreeWidget;

// What the user sees of the tree beyond its content: which objects are
// expanded and which are selected. Taken before a rebuild and put back
// afterwards, so that a rebuild does not throw the user's place away.
// Objects are remembered by identity and never dereferenced, so those that
// a rebuild no longer shows simply drop out.
class EditableTreeState
{
public:
    static EditableTreeState capture(const EditableTreeWidget &tree);
    // Expands and selects what is still there; returns whether any of the
    // remembered selection was found again.
    bool restore(EditableTreeWidget &tree) const;

private:
    QSet<const Editable *> m_expanded;
    QList<const Editable *> m_selected;
    const Editable *m_current = nullptr;
};
