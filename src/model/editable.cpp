#include "model/editable.h"

#include <atomic>

namespace {

// Starts at 1 so that 0 can mean "no object" to a caller.
std::atomic<quint64> lastId { 0 };

quint64 nextId()
{
    return ++lastId;
}

} // namespace

Editable::Editable()
    : m_id(nextId())
{ }

void Editable::reserveIdsUpTo(quint64 id)
{
    quint64 last = lastId.load();
    while (last < id && !lastId.compare_exchange_weak(last, id)) { }
}

QString Editable::typeKey(int typeCode)
{
    switch (typeCode) {
    case ChannelType:
        return QStringLiteral("channel");
    case SatelliteType:
        return QStringLiteral("satellite");
    case TransponderType:
        return QStringLiteral("transponder");
    case ProviderType:
        return QStringLiteral("provider");
    case FavoriteGroupType:
        return QStringLiteral("favorite-group");
    }
    return QStringLiteral("other");
}
