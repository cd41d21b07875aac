#pragma once

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "testsettings.h"

#include <QHash>
#include <QStringList>

// The objects' labels (object names) joined by spaces, in the order given.
template<typename T> QString labels(const QList<T *> &objects)
{
    QStringList names;
    for (const T *object : objects)
        names.append(object->objectName());
    return names.join(u' ');
}

// A store for tests and the objects in it, built a call an object. Channels
// are labelled c0, c1, ... (their object name) in the order added.
//
// The text form builds a whole main list, one text per channel,
// "name|ONID-TSID-SID|r", the texts joined by ",": the key may be empty (no
// transponder) and a trailing "r" makes it radio; its transponders sit on
// one satellite.
struct StoreBuilder
{
    StoreBuilder() = default;
    explicit StoreBuilder(const QByteArray &channels)
        : satellite(new Satellite)
    {
        settings.addSatellite(satellite);
        for (const QString &description : QString::fromUtf8(channels).split(u',', Qt::SkipEmptyParts))
            addChannel(description);
        settings.emitPendingUpdates();
    }

    void addChannel(const QString &description)
    {
        const QStringList parts = description.split(u'|');
        const QStringList key = parts.value(1).split(u'-', Qt::SkipEmptyParts);
        Channel *channel
            = unadded(parts.value(0), nullptr, nullptr, parts.value(2) == QLatin1String("r") ? 1 : 0);
        if (key.size() == 3) {
            channel->setTransponder(transponder(quint16(key.at(0).toUInt()), quint16(key.at(1).toUInt())));
            channel->setServiceId(quint16(key.at(2).toUInt()));
        }
        settings.addChannel(nullptr, channel);
    }

    // The transponder of that key on the text form's satellite, made on first use.
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

    // A transponder on a new satellite of that name, or on none if the name is empty.
    Transponder *transponder(const QString &satelliteName, quint16 frequency = 12000, int polarization = 0)
    {
        auto *satellite = new Satellite;
        satellite->setName(satelliteName);
        settings.addSatellite(satellite);
        auto *transponder = new Transponder;
        transponder->setSatellite(satelliteName.isEmpty() ? nullptr : satellite);
        transponder->setFrequency(frequency);
        transponder->setPolarization(polarization);
        settings.addTransponder(transponder);
        return transponder;
    }

    Provider *provider(const QString &name)
    {
        auto *provider = new Provider;
        provider->setName(name);
        settings.addProvider(provider);
        return settings.providers().last();
    }

    Channel *channel(const QString &name, Transponder *transponder = nullptr, Provider *provider = nullptr,
        int serviceType = 0)
    {
        Channel *channel = unadded(name, transponder, provider, serviceType);
        settings.addChannel(nullptr, channel);
        return channel;
    }

    // Channels of these names, joined by spaces, in the main list.
    void channels(const char *names)
    {
        for (const QString &name : QString::fromUtf8(names).split(u' ', Qt::SkipEmptyParts))
            channel(name);
    }

    // Channels of the main list by name, in the order named.
    QList<Channel *> find(const QStringList &names) const
    {
        QList<Channel *> found;
        for (const QString &name : names)
            for (Channel *channel : settings.channels())
                if (channel->name() == name)
                    found.append(channel);
        return found;
    }

    // A favourite group holding the channels in the order given; named
    // only when a name is given, else it keeps the receiver's default.
    FavoriteGroup *group(const QList<Channel *> &members, const QString &name = {})
    {
        auto *group = new FavoriteGroup;
        if (!name.isNull())
            group->setName(name);
        settings.addFavoriteGroup(group);
        for (Channel *channel : members)
            settings.addChannel(group, channel);
        return group;
    }

    // A group of the channels of these names, joined by spaces.
    FavoriteGroup *group(const char *names)
    {
        return group(find(QString::fromUtf8(names).split(u' ', Qt::SkipEmptyParts)));
    }

    // A group of that name holding the channels of the given labels, joined
    // by spaces, announced at once.
    FavoriteGroup *addGroup(const char *name, const char *labels)
    {
        QList<Channel *> members;
        for (const QString &label : QString::fromUtf8(labels).split(u' ', Qt::SkipEmptyParts))
            members.append(byLabel(label));
        FavoriteGroup *added = group(members, QString::fromUtf8(name));
        settings.emitPendingUpdates();
        return added;
    }

    Channel *byLabel(const QString &label) const
    {
        for (Channel *channel : settings.channels())
            if (channel->objectName() == label)
                return channel;
        return nullptr;
    }

    QString order() const { return labels(settings.channels()); }

    TestSettings settings;
    Satellite *satellite = nullptr;
    QHash<quint32, Transponder *> transponders;

private:
    Channel *unadded(const QString &name, Transponder *transponder, Provider *provider, int serviceType)
    {
        auto *channel = new Channel;
        channel->setObjectName(QStringLiteral("c%1").arg(settings.channels().size()));
        channel->setName(name);
        channel->setTransponder(transponder);
        channel->setProvider(provider);
        channel->setServiceType(serviceType);
        return channel;
    }
};
