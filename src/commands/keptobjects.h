#pragma once

#include "store/editablekeeper.h"

#include <QHash>
#include <QList>
#include <QSet>

// The objects that left a store while the undo history keeps them, so that
// an undo or redo puts them back as the same objects. A step refers to the
// objects that joined or left the store with it; an object out of the
// store is deleted once no step refers to it any more.
class KeptObjects : public EditableKeeper
{
public:
    KeptObjects() = default;
    ~KeptObjects();
    KeptObjects(const KeptObjects &) = delete;
    KeptObjects &operator=(const KeptObjects &) = delete;

    void keep(const QList<Editable *> &objects) override;
    void release(const QList<Editable *> &objects) override;

    bool keeps(Editable *object) const { return m_kept.contains(object); }
    // A kept object by its id, or null.
    Editable *byId(quint64 id) const { return m_byId.value(id); }

    // A step is made or dropped that refers to these objects.
    void refer(const QList<Editable *> &objects);
    void unrefer(const QList<Editable *> &objects);
    // Deletes the objects kept since the last call that no step refers to:
    // made and removed by one action, so that no step can bring them back.
    void dropUnreferenced();
    // Deletes every kept object.
    void clear();

private:
    void drop(Editable *object);

    QSet<Editable *> m_kept;
    QHash<quint64, Editable *> m_byId;
    QHash<Editable *, int> m_references;
    QList<Editable *> m_fresh;
};
