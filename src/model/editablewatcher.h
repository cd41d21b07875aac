#pragma once

class Editable;

// Hears of every change of the objects that name it as their watcher, by a
// plain call: a full file holds thousands of objects, and a signal
// connection for each made loading and closing a file measurably slower.
// The watcher must outlive the objects it watches; the store, which owns
// them, is the one watcher there is.
class EditableWatcher
{
public:
    virtual void editablePropertyChanged(Editable *editable) = 0;

protected:
    EditableWatcher() = default;
    ~EditableWatcher() = default;
    EditableWatcher(const EditableWatcher &) = default;
    EditableWatcher &operator=(const EditableWatcher &) = default;
};
