#include "editable.h"

#include <atomic>

namespace {

quint64 nextId()
{
    // Starts at 1 so that 0 can mean "no object" to a caller.
    static std::atomic<quint64> counter { 0 };
    return ++counter;
}

} // namespace

Editable::Editable()
    : m_id(nextId())
{ }
