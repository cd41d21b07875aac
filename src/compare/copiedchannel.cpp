#include "compare/copiedchannel.h"

#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>

namespace {

// Bumped whenever the encoding changes, so an editor of another version
// refuses the drop instead of misreading it.
constexpr quint32 encodingVersion = 1;
// Far above what any file holds; a larger count is damage, not a list.
constexpr quint32 maxChannels = 100000;

QDataStream &operator<<(QDataStream &out, const CopiedChannel::SatelliteSetup &s)
{
    return out << s.position << s.name << s.lowLof << s.highLof << qint32(s.diseqc) << qint32(s.tone)
               << s.diseqc12 << s.diseqc12Position << qint32(s.diseqc11);
}

QDataStream &operator>>(QDataStream &in, CopiedChannel::SatelliteSetup &s)
{
    qint32 diseqc = 0, tone = 0, diseqc11 = 0;
    in >> s.position >> s.name >> s.lowLof >> s.highLof >> diseqc >> tone >> s.diseqc12 >> s.diseqc12Position
        >> diseqc11;
    s.diseqc = diseqc;
    s.tone = tone;
    s.diseqc11 = diseqc11;
    return in;
}

QDataStream &operator<<(QDataStream &out, const CopiedChannel::Tuning &t)
{
    out << t.originalNetworkId << t.transportStreamId << t.networkId << t.frequency << qint32(t.polarization)
        << t.symbolRate << t.satellite.has_value();
    if (t.satellite)
        out << *t.satellite;
    return out;
}

QDataStream &operator>>(QDataStream &in, CopiedChannel::Tuning &t)
{
    qint32 polarization = 0;
    bool hasSatellite = false;
    in >> t.originalNetworkId >> t.transportStreamId >> t.networkId >> t.frequency >> polarization
        >> t.symbolRate >> hasSatellite;
    t.polarization = polarization;
    if (hasSatellite)
        in >> t.satellite.emplace();
    return in;
}

QDataStream &operator<<(QDataStream &out, const CopiedChannel &c)
{
    out << c.name << c.serviceId << qint32(c.serviceType) << c.videoPid << c.audioPid << c.pcrPid << c.pmtPid
        << c.flags << c.providerName.has_value() << c.providerName.value_or(QString())
        << c.tuning.has_value();
    if (c.tuning)
        out << *c.tuning;
    return out;
}

QDataStream &operator>>(QDataStream &in, CopiedChannel &c)
{
    qint32 serviceType = 0;
    bool hasProvider = false, hasTuning = false;
    QString provider;
    in >> c.name >> c.serviceId >> serviceType >> c.videoPid >> c.audioPid >> c.pcrPid >> c.pmtPid >> c.flags
        >> hasProvider >> provider >> hasTuning;
    c.serviceType = serviceType;
    if (hasProvider)
        c.providerName = provider;
    if (hasTuning)
        in >> c.tuning.emplace();
    return in;
}

} // namespace

const QString CopiedChannel::mimeType = QStringLiteral("application/x-kelmora-channels");

CopiedChannel CopiedChannel::of(const Channel &channel)
{
    CopiedChannel copy;
    copy.name = channel.name();
    copy.serviceId = channel.serviceId();
    copy.serviceType = channel.serviceType();
    copy.videoPid = channel.videoPid();
    copy.audioPid = channel.audioPid();
    copy.pcrPid = channel.pcrPid();
    copy.pmtPid = channel.pmtPid();
    const QSet<int> flags = channel.flags();
    copy.flags = QList<int>(flags.cbegin(), flags.cend());
    std::sort(copy.flags.begin(), copy.flags.end());
    if (const Provider *provider = channel.provider())
        copy.providerName = provider->name();
    if (const Transponder *t = channel.transponder()) {
        Tuning &tuning = copy.tuning.emplace();
        tuning.originalNetworkId = t->originalNetworkId();
        tuning.transportStreamId = t->transportStreamId();
        tuning.networkId = t->networkId();
        tuning.frequency = t->frequency();
        tuning.polarization = t->polarization();
        tuning.symbolRate = t->symbolRate();
        if (const Satellite *s = t->satellite())
            tuning.satellite = SatelliteSetup { s->position(), s->name(), s->lowLof(), s->highLof(),
                s->diseqc(), s->tone(), s->diseqc12(), s->diseqc12Position(), s->diseqc11() };
    }
    return copy;
}

QList<CopiedChannel> CopiedChannel::listOf(const QList<const Channel *> &channels)
{
    QList<CopiedChannel> copies;
    copies.reserve(channels.size());
    for (const Channel *channel : channels)
        copies.append(of(*channel));
    return copies;
}

std::optional<ServiceKey> CopiedChannel::key() const
{
    if (!tuning)
        return std::nullopt;
    return ServiceKey { tuning->originalNetworkId, tuning->transportStreamId, serviceId };
}

QByteArray CopiedChannel::encode(const QList<CopiedChannel> &channels)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << encodingVersion << quint32(channels.size());
    for (const CopiedChannel &channel : channels)
        out << channel;
    return bytes;
}

QList<CopiedChannel> CopiedChannel::decode(const QByteArray &bytes)
{
    QDataStream in(bytes);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 version = 0, count = 0;
    in >> version >> count;
    if (in.status() != QDataStream::Ok || version != encodingVersion || count > maxChannels)
        return {};
    QList<CopiedChannel> channels;
    for (quint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i)
        in >> channels.emplace_back();
    if (in.status() != QDataStream::Ok || !in.atEnd())
        return {};
    return channels;
}
