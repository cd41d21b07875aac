#pragma once

#include "reference/referencelist.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class Channel;

// The set-up of the satellite a copied channel's transponder hangs on.
struct CopiedSatelliteSetup
{
    quint16 position = 0;
    QString name;
    quint16 lowLof = 0;
    quint16 highLof = 0;
    int diseqc = 0;
    int tone = 0;
    bool diseqc12 = false;
    quint8 diseqc12Position = 0;
    int diseqc11 = 0;
};

// A copied channel's transponder. Declared apart from CopiedChannel so that
// both are complete wherever an optional one is made.
struct CopiedTuning
{
    quint16 originalNetworkId = 0;
    quint16 transportStreamId = 0;
    quint16 networkId = 0;
    quint16 frequency = 0;
    int polarization = 0;
    quint16 symbolRate = 0;
    // Absent for a transponder that hangs on no satellite.
    std::optional<CopiedSatelliteSetup> satellite;
};

// Everything needed to rebuild a channel in another file: its own fields,
// its provider's name, and its transponder's tuning with the set-up of the
// satellite it hangs on. Plain values only, so it can cross from one store
// to another and, encoded, from one running editor to another.
struct CopiedChannel
{
    using SatelliteSetup = CopiedSatelliteSetup;
    using Tuning = CopiedTuning;

    QString name;
    quint16 serviceId = 0;
    int serviceType = 0;
    quint16 videoPid = 0;
    quint16 audioPid = 0;
    quint16 pcrPid = 0;
    quint16 pmtPid = 0;
    QList<int> flags;
    std::optional<QString> providerName;
    std::optional<Tuning> tuning;

    static CopiedChannel of(const Channel &channel);
    // Copies of these channels, in their order.
    static QList<CopiedChannel> listOf(const QList<const Channel *> &channels);
    // The service ids when the channel has a transponder.
    std::optional<ServiceKey> key() const;

    // The drag type between running editors; the payload holds values, never pointers.
    static const QString mimeType;
    static QByteArray encode(const QList<CopiedChannel> &channels);
    // Empty for data that is damaged or not ours.
    static QList<CopiedChannel> decode(const QByteArray &bytes);
};
