#include "commands/keptobjects.h"

#include "model/editable.h"

KeptObjects::~KeptObjects()
{
    clear();
}

void KeptObjects::keep(const QList<Editable *> &objects)
{
    for (Editable *object : objects) {
        m_kept.insert(object);
        m_byId.insert(object->id(), object);
    }
    m_fresh.append(objects);
}

void KeptObjects::release(const QList<Editable *> &objects)
{
    if (m_kept.isEmpty())
        return;
    for (Editable *object : objects)
        if (m_kept.remove(object))
            m_byId.remove(object->id());
}

void KeptObjects::refer(const QList<Editable *> &objects)
{
    for (Editable *object : objects)
        ++m_references[object];
}

void KeptObjects::unrefer(const QList<Editable *> &objects)
{
    for (Editable *object : objects) {
        const auto references = m_references.find(object);
        if (references == m_references.end() || --*references > 0)
            continue;
        m_references.erase(references);
        if (m_kept.contains(object))
            drop(object);
    }
}

void KeptObjects::dropUnreferenced()
{
    for (Editable *object : std::exchange(m_fresh, {}))
        if (m_kept.contains(object) && !m_references.contains(object))
            drop(object);
}

void KeptObjects::clear()
{
    m_references.clear();
    m_fresh.clear();
    m_byId.clear();
    qDeleteAll(std::exchange(m_kept, {}));
}

void KeptObjects::drop(Editable *object)
{
    m_kept.remove(object);
    m_byId.remove(object->id());
    delete object;
}
