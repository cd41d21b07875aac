#pragma once

#include "compare/copiedchannel.h"

#include <QCoreApplication>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class Channel;
class Editable;
class Provider;
class Satellite;
class Settings;
class Transponder;

// What a copy did: how many channels came in, how many this file already
// had, the new channels, or why nothing was copied.
struct CopyOutcome
{
    int copied = 0;
    int skipped = 0;
    QList<Channel *> channels;
    QString error;

    bool ok() const { return error.isEmpty(); }
};

// Copies channels of another file into a store with what they need: the
// transponder of the same satellite position, frequency and polarization,
// else a new one under the satellite of that position (new too when this
// file has none), and the provider of the same name, else a new one. A
// channel whose service ids this file already has is skipped. Either all
// of it fits the file's capacity or nothing changes. The store announces
// each list it changed once.
class ChannelCopier
{
    Q_DECLARE_TR_FUNCTIONS(ChannelCopier)

public:
    explicit ChannelCopier(Settings &settings);

    // New channels go to the end of the main list, and also into the group
    // when the context is one; with a target they move in front of it in
    // the context's list.
    CopyOutcome copy(
        const QList<CopiedChannel> &channels, Editable *context = nullptr, Channel *target = nullptr);

private:
    // What a copy would add: the channels to copy and how many new objects of each kind.
    struct Plan
    {
        QList<const CopiedChannel *> channels;
        int skipped = 0;
        int satellites = 0;
        int transponders = 0;
        int providers = 0;
    };
    Plan plan(const QList<CopiedChannel> &channels) const;
    QString refusal(const Plan &plan, Editable *context) const;
    Satellite *satelliteFor(const CopiedChannel::SatelliteSetup &setup);
    Transponder *transponderFor(const CopiedChannel::Tuning &tuning);
    Provider *providerFor(const QString &name);
    Channel *create(const CopiedChannel &copied);

    Settings &m_settings;
    QHash<quint16, Satellite *> m_satellites;
    QHash<quint64, Transponder *> m_transponders;
    QHash<QString, Provider *> m_providers;
    QSet<ServiceKey> m_keys;
    // Made by the copy running, added to the store together.
    QList<Satellite *> m_newSatellites;
    QList<Transponder *> m_newTransponders;
    QList<Provider *> m_newProviders;
};
