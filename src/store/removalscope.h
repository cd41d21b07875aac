#pragma once

#include <QSet>

class Editable;

// Keeps the record of objects removed during exactly the outermost removal
// call of a store, so that a later step of the same call never touches them
// again; a later call starts afresh, since addresses may be reused.
class RemovalScope
{
public:
    RemovalScope(int &depth, QSet<const Editable *> &removed)
        : m_depth(depth)
        , m_removed(removed)
    {
        if (m_depth++ == 0)
            m_removed.clear();
    }
    ~RemovalScope()
    {
        if (--m_depth == 0)
            m_removed.clear();
    }
    RemovalScope(const RemovalScope &) = delete;
    RemovalScope &operator=(const RemovalScope &) = delete;

private:
    int &m_depth;
    QSet<const Editable *> &m_removed;
};
