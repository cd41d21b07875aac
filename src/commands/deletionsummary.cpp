#include "commands/deletionsummary.h"

#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <QSet>

namespace {

// "satellite", "3 satellites", ... in running text.
QString counted(int type, int count)
{
    switch (type) {
    case SatelliteType:
        return count == 1 ? DeletionSummary::tr("1 satellite")
                          : DeletionSummary::tr("%n satellites", nullptr, count);
    case TransponderType:
        return count == 1 ? DeletionSummary::tr("1 transponder")
                          : DeletionSummary::tr("%n transponders", nullptr, count);
    case ProviderType:
        return count == 1 ? DeletionSummary::tr("1 provider")
                          : DeletionSummary::tr("%n providers", nullptr, count);
    default:
        return count == 1 ? DeletionSummary::tr("1 channel")
                          : DeletionSummary::tr("%n channels", nullptr, count);
    }
}

// The lead of the sentence: one object by kind and name, several by number.
QString lead(int type, const QList<const Editable *> &objects)
{
    if (objects.size() != 1)
        return counted(type, int(objects.size()));
    // A channel's display text carries its PIDs; the user knows it by name.
    const QString name = type == ChannelType ? static_cast<const Channel *>(objects.first())->name()
                                             : objects.first()->displayText();
    switch (type) {
    case SatelliteType:
        return DeletionSummary::tr("satellite %1").arg(name);
    case TransponderType:
        return DeletionSummary::tr("transponder %1").arg(name);
    case ProviderType:
        return DeletionSummary::tr("provider %1").arg(name);
    default:
        return DeletionSummary::tr("channel %1").arg(name);
    }
}

// "a, b and c"
QString joined(const QStringList &parts)
{
    if (parts.size() < 2)
        return parts.join(QString());
    return DeletionSummary::tr("%1 and %2")
        .arg(parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")), parts.last());
}

} // namespace

QString DeletionSummary::describe(const Settings &settings, const QList<Editable *> &objects)
{
    // What goes by kind, in the order a delete cascades.
    QList<const Editable *> satellites, transponders, providers, channels;
    QSet<const Editable *> goingOwners;
    for (const Editable *object : objects) {
        if (!settings.contains(object))
            continue;
        if (object->typeCode() == SatelliteType)
            satellites.append(object);
        else if (object->typeCode() == ProviderType)
            providers.append(object);
        else if (object->typeCode() == TransponderType)
            transponders.append(object);
        else if (object->typeCode() == ChannelType)
            channels.append(object);
        goingOwners.insert(object);
    }
    for (const Editable *satellite : std::as_const(satellites))
        for (Transponder *transponder :
            settings.transpondersOf(const_cast<Satellite *>(static_cast<const Satellite *>(satellite))))
            if (!goingOwners.contains(transponder)) {
                transponders.append(transponder);
                goingOwners.insert(transponder);
            }
    for (Channel *channel : settings.channels())
        if (!goingOwners.contains(channel)
            && (goingOwners.contains(channel->transponder()) || goingOwners.contains(channel->provider())))
            channels.append(channel);

    const QList<QPair<int, QList<const Editable *>>> kinds { { SatelliteType, satellites },
        { ProviderType, providers }, { TransponderType, transponders }, { ChannelType, channels } };
    QString first;
    QStringList along;
    for (const auto &[type, list] : kinds) {
        if (list.isEmpty())
            continue;
        if (first.isEmpty())
            first = lead(type, list);
        else
            along.append(counted(type, int(list.size())));
    }
    if (first.isEmpty())
        return {};
    return along.isEmpty() ? tr("Deleted %1").arg(first) : tr("Deleted %1 with %2").arg(first, joined(along));
}

QString DeletionSummary::describeRemoval(const Editable &group, const QList<Editable *> &channels)
{
    if (channels.isEmpty())
        return {};
    const QList<const Editable *> removed(channels.cbegin(), channels.cend());
    return tr("Removed %1 from %2").arg(lead(ChannelType, removed), group.displayText());
}

QString DeletionSummary::withUndoHint(const QString &summary, const QString &undoKeys)
{
    return tr("%1 — %2 to undo").arg(summary, undoKeys);
}
