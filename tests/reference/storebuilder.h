#pragma once

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "testsettings.h"

#include <QHash>
#include <QStringList>

// A store built from a text per channel, "name|ONID-TSID-SID|r", the texts
// joined by ",": the key may be empty (no transponder) and a trailing "r"
// makes it radio. Channels are labelled c0, c1, ... in the order given.
struct StoreBuilder
{
    explicit StoreBuilder(const QByteArray &channels)
    {
        settings.addSatellite(satellite);
        for (const QString &description : QString::fromUtf8(channels).split(u',', Qt::SkipEmptyParts))
            addChannel(description);
        settings.emitPendingUpdates();
    }

    void addChannel(const QString &description)
    {
        const QStringList parts = description.split(u'|');
        auto *channel = new Channel;
        channel->setObjectName(QStringLiteral("c%1").arg(settings.channels().size()));
        channel->setName(parts.value(0));
        const QStringList key = parts.value(1).split(u'-', Qt::SkipEmptyParts);
        if (key.size() == 3) {
            channel->setTransponder(transponder(quint16(key.at(0).toUInt()), quint16(key.at(1).toUInt())));
            channel->setServiceId(quint16(key.at(2).toUInt()));
        }
        channel->setServiceType(parts.value(2) == QLatin1String("r") ? 1 : 0);
        settings.addChannel(nullptr, channel);
    }

    Transponder *transponder(quint16 onid, quint16 tsid)
    {
        Transponder *&found = transponders[(onid << 16) | tsid];
        if (!found) {
            found = new Transponder;
            found->setSatellite(satellite);
            found->setOriginalNetworkId(onid);
            found->setTransportStreamId(tsid);
            settings.addTransponder(found);
        }
        return found;
    }

    // A group holding the channels of the given labels, joined by spaces.
    FavoriteGroup *addGroup(const char *name, const char *labels)
    {
        auto *group = new FavoriteGroup;
        group->setName(QString::fromUtf8(name));
        settings.addFavoriteGroup(group);
        for (const QString &label : QString::fromUtf8(labels).split(u' ', Qt::SkipEmptyParts))
            settings.addChannel(group, byLabel(label));
        settings.emitPendingUpdates();
        return group;
    }

    Channel *byLabel(const QString &label) const
    {
        for (Channel *channel : settings.channels())
            if (channel->objectName() == label)
                return channel;
        return nullptr;
    }

    static QString labels(const QList<Channel *> &channels)
    {
        QStringList names;
        for (const Channel *channel : channels)
            names.append(channel->objectName());
        return names.join(u' ');
    }

    QString order() const { return labels(settings.channels()); }

    TestSettings settings;
    Satellite *satellite = new Satellite;
    QHash<quint32, Transponder *> transponders;
};
