#pragma once

#include <QList>

class Editable;

// Takes the objects that leave a store instead of the store deleting them,
// so that they can come back as the same objects: the undo history keeps
// the objects a step removed for as long as a step can put them back.
class EditableKeeper
{
public:
    // The objects left the store, which no longer watches them; the keeper
    // owns them now.
    virtual void keep(const QList<Editable *> &objects) = 0;
    // The store holds these objects again and owns them; some may never have
    // been kept.
    virtual void release(const QList<Editable *> &objects) = 0;

protected:
    EditableKeeper() = default;
    ~EditableKeeper() = default;
    EditableKeeper(const EditableKeeper &) = default;
    EditableKeeper &operator=(const EditableKeeper &) = default;
};
