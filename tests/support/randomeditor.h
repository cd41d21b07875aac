#pragma once

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <QRandomGenerator>

// Edits of every kind the editor offers, drawn from a seeded generator.
struct RandomEditor
{
    Settings *s;
    QRandomGenerator random;

    int below(int n) { return n > 0 ? int(random.bounded(n)) : 0; }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T> T *pick(const QList<T *> &list)
    {
        return list.isEmpty() ? nullptr : list.at(below(int(list.size())));
    }

    QString randomName()
    {
        static const QList<QPair<char32_t, char32_t>> ranges { { U'A', U'Z' }, { U'a', U'z' }, { U' ', U'~' },
            { 0xA0, 0xFF }, { 0x410, 0x44F }, { 0x391, 0x3C9 }, { 0x4E00, 0x4E50 }, { 0x1F600, 0x1F64F },
            { 0x01, 0x1F } };
        QString name;
        for (int i = below(22); i > 0; --i) {
            const auto &range = ranges.at(below(int(ranges.size())));
            const char32_t code = range.first + char32_t(below(int(range.second - range.first) + 1));
            name += QString::fromUcs4(&code, 1);
        }
        return name;
    }

    // The main list, then the channels only a group holds.
    QList<Channel *> allChannels() const
    {
        QList<Channel *> channels = s->channels();
        for (FavoriteGroup *group : s->favoriteGroups())
            for (Channel *channel : s->channelsOf(group))
                if (!channels.contains(channel))
                    channels.append(channel);
        return channels;
    }

    void step()
    {
        switch (below(12)) {
        case 0:
            if (s->satellites().size() < 60) {
                auto *satellite = new Satellite;
                satellite->setName(randomName());
                satellite->setPosition(quint16(below(3600)));
                s->addSatellite(satellite);
            }
            break;
        case 1: {
            auto *transponder = new Transponder;
            transponder->setSatellite(chance(90) ? pick(s->satellites()) : nullptr);
            transponder->setFrequency(quint16(10700 + below(2000)));
            transponder->setPolarization(below(2));
            s->addTransponder(transponder);
            break;
        }
        case 2: {
            // Now and then a name that already exists, to be merged on save.
            auto *provider = new Provider;
            const Provider *existing = pick(s->providers());
            provider->setName(existing && chance(20) ? existing->name() : randomName());
            s->addProvider(provider);
            break;
        }
        case 3:
        case 4: {
            auto *channel = new Channel;
            channel->setName(randomName());
            channel->setServiceId(quint16(below(65536)));
            channel->setServiceType(below(2));
            channel->setTransponder(chance(90) ? pick(s->transponders()) : nullptr);
            channel->setProvider(chance(90) ? pick(s->providers()) : nullptr);
            channel->setFlag(1 << below(6), true);
            // Mostly into the main list; sometimes straight into a group only.
            s->addChannel(chance(85) ? nullptr : pick(s->favoriteGroups()), channel);
            break;
        }
        case 5: {
            // Satellites seldom, as they take so much with them.
            QList<Editable *> doomed;
            for (int i = 1 + below(3); i > 0; --i) {
                const int kind = below(6);
                Editable *victim = kind == 0 ? static_cast<Editable *>(pick(s->satellites()))
                    : kind == 1              ? pick(s->transponders())
                    : kind == 2              ? static_cast<Editable *>(pick(s->providers()))
                                             : pick(allChannels());
                if (victim && (kind != 0 || chance(30)))
                    doomed.append(victim);
            }
            s->removeEditables(doomed);
            break;
        }
        case 6: {
            FavoriteGroup *group = pick(s->favoriteGroups());
            if (Channel *channel = pick(s->channelsOf(group)))
                s->removeChannels(group, { channel });
            break;
        }
        case 7: {
            QList<Editable *> dragged;
            for (int i = below(4); i >= 0; --i)
                if (Channel *channel = pick(s->channels()))
                    dragged.append(channel);
            const QList<Editable *> targets { pick(s->providers()), pick(s->transponders()),
                pick(s->favoriteGroups()), pick(s->channels()) };
            Editable *target = targets.at(below(4));
            if (target && s->canDropEditables(dragged, target))
                s->dropEditables(dragged, target, nullptr);
            break;
        }
        case 8: {
            // Reordering inside a group.
            FavoriteGroup *group = pick(s->favoriteGroups());
            Channel *channel = pick(s->channelsOf(group));
            if (Channel *target = pick(s->channelsOf(group)); channel && target)
                s->dropEditables({ channel }, target, group);
            break;
        }
        case 9: {
            Transponder *transponder = pick(s->transponders());
            if (Satellite *satellite = pick(s->satellites()); transponder && satellite)
                s->dropEditables({ transponder }, satellite, nullptr);
            break;
        }
        case 10:
            if (Channel *channel = pick(allChannels()))
                channel->setServiceType(channel->isTv() ? 1 : 0);
            break;
        default: {
            const QList<Editable *> named { pick(s->satellites()), pick(s->providers()),
                pick(s->favoriteGroups()), pick(allChannels()) };
            Editable *editable = named.at(below(4));
            const QString name = randomName();
            if (auto *satellite = qobject_cast<Satellite *>(editable))
                satellite->setName(name);
            else if (auto *other = qobject_cast<NamedEditable *>(editable))
                other->setName(name);
            else if (auto *channel = qobject_cast<Channel *>(editable))
                channel->setName(name);
            break;
        }
        }
    }
};
