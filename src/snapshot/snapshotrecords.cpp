#include "snapshot/snapshotrecords.h"

#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "snapshot/snapshotreader.h"
#include "snapshot/snapshotwriter.h"

namespace {

Editable *referenced(SnapshotReader &in, const SnapshotRecords::Resolve &resolve, int type)
{
    const std::optional<Editable *> object = resolve(type, in.number());
    if (!object)
        in.fail();
    return object.value_or(nullptr);
}

} // namespace

void SnapshotRecords::writeSatellite(SnapshotWriter &out, const Satellite *x)
{
    out.name(x->name(), x->rememberedName());
    out.number(x->position());
    out.number(x->lowLof());
    out.number(x->highLof());
    out.signedNumber(x->diseqc());
    out.signedNumber(x->tone());
    out.number(x->diseqc12() ? 1 : 0);
    out.number(x->diseqc12Position());
    out.signedNumber(x->diseqc11());
    out.number(x->keepLast() ? 1 : 0);
    out.bytes(x->reservedBytes());
}

void SnapshotRecords::readSatellite(SnapshotReader &in, Satellite *x)
{
    in.name(x, [x](const QString &name) { x->setName(name); });
    x->setPosition(in.word());
    x->setLowLof(in.word());
    x->setHighLof(in.word());
    x->setDiseqc(in.integer());
    x->setTone(in.integer());
    x->setDiseqc12(in.bounded<bool>(1));
    x->setDiseqc12Position(in.bounded<quint8>(0xFF));
    x->setDiseqc11(in.integer());
    x->setKeepLast(in.bounded<bool>(1));
    x->setReservedBytes(in.bytes());
}

void SnapshotRecords::writeTransponder(SnapshotWriter &out, const Transponder *x, quint64 satellite)
{
    out.number(satellite);
    out.signedNumber(x->polarization());
    out.number(x->transportStreamId());
    out.number(x->networkId());
    out.number(x->originalNetworkId());
    out.number(x->frequency());
    out.number(x->symbolRate());
    out.bytes(x->reservedBytes());
}

void SnapshotRecords::readTransponder(SnapshotReader &in, Transponder *x, const Resolve &resolve)
{
    x->setSatellite(static_cast<Satellite *>(referenced(in, resolve, SatelliteType)));
    x->setPolarization(in.integer());
    x->setTransportStreamId(in.word());
    x->setNetworkId(in.word());
    x->setOriginalNetworkId(in.word());
    x->setFrequency(in.word());
    x->setSymbolRate(in.word());
    x->setReservedBytes(in.bytes());
}

void SnapshotRecords::writeNamed(SnapshotWriter &out, const NamedEditable *x)
{
    out.name(x->name(), x->rememberedName());
}

void SnapshotRecords::readNamed(SnapshotReader &in, NamedEditable *x)
{
    in.name(x, [x](const QString &name) { x->setName(name); });
}

void SnapshotRecords::writeChannel(
    SnapshotWriter &out, const Channel *x, quint64 provider, quint64 transponder)
{
    out.name(x->name(), x->rememberedName());
    out.number(provider);
    out.number(transponder);
    out.number(x->serviceId());
    out.number(x->videoPid());
    out.number(x->audioPid());
    out.number(x->pcrPid());
    out.number(x->pmtPid());
    out.signedNumber(x->serviceType());
    out.flags(x->flags());
}

void SnapshotRecords::readChannel(SnapshotReader &in, Channel *x, const Resolve &resolve)
{
    in.name(x, [x](const QString &name) { x->setName(name); });
    x->setProvider(static_cast<Provider *>(referenced(in, resolve, ProviderType)));
    x->setTransponder(static_cast<Transponder *>(referenced(in, resolve, TransponderType)));
    x->setServiceId(in.word());
    x->setVideoPid(in.word());
    x->setAudioPid(in.word());
    x->setPcrPid(in.word());
    x->setPmtPid(in.word());
    x->setServiceType(in.integer());
    const QList<int> flags = in.flags();
    for (int flag : x->flags())
        if (!flags.contains(flag))
            x->setFlag(flag, false);
    for (int flag : flags)
        x->setFlag(flag, true);
}

bool SnapshotRecords::readView(SnapshotReader &in, int type, View &view)
{
    auto name = [&in, &view] {
        view.name = in.textBytes();
        in.skipRememberedName();
    };
    switch (type) {
    case SatelliteType:
    case ProviderType:
    case FavoriteGroupType:
        name();
        break;
    case TransponderType:
        view.owner = in.number();
        break;
    case ChannelType:
        name();
        view.owner = in.number();
        view.transponder = in.number();
        break;
    default:
        return false;
    }
    return !in.failed();
}

std::optional<SnapshotRecords::View> SnapshotRecords::view(int type, QByteArrayView record)
{
    const QByteArray bytes = QByteArray::fromRawData(record.data(), record.size());
    SnapshotReader in(bytes);
    View view;
    if (!readView(in, type, view))
        return std::nullopt;
    view.properties = record.sliced(in.position());
    return view;
}

QByteArray SnapshotRecords::recordOf(const Editable &object)
{
    QByteArray bytes;
    {
        SnapshotWriter out(bytes);
        writeRecordOf(out, object);
    }
    // Kept by the thousand: none keeps the writer's slack.
    bytes.squeeze();
    return bytes;
}

void SnapshotRecords::writeRecordOf(SnapshotWriter &out, const Editable &object)
{
    auto idOf = [](const Editable *x) { return x ? x->id() : quint64(0); };
    switch (object.typeCode()) {
    case SatelliteType:
        writeSatellite(out, static_cast<const Satellite *>(&object));
        break;
    case TransponderType: {
        const auto *x = static_cast<const Transponder *>(&object);
        writeTransponder(out, x, idOf(x->satellite()));
        break;
    }
    case ProviderType:
    case FavoriteGroupType:
        writeNamed(out, static_cast<const NamedEditable *>(&object));
        break;
    case ChannelType: {
        const auto *x = static_cast<const Channel *>(&object);
        writeChannel(out, x, idOf(x->provider()), idOf(x->transponder()));
        break;
    }
    default:
        break;
    }
}

bool SnapshotRecords::applyRecord(
    Editable &object, QByteArrayView record, const QHash<quint64, Editable *> &objects)
{
    const QByteArray bytes = QByteArray::fromRawData(record.data(), record.size());
    SnapshotReader in(bytes);
    const Resolve byId = [&objects](int type, quint64 id) -> std::optional<Editable *> {
        if (id == 0)
            return nullptr;
        Editable *found = objects.value(id);
        if (!found || found->typeCode() != type)
            return std::nullopt;
        return found;
    };
    switch (object.typeCode()) {
    case SatelliteType:
        readSatellite(in, static_cast<Satellite *>(&object));
        break;
    case TransponderType:
        readTransponder(in, static_cast<Transponder *>(&object), byId);
        break;
    case ProviderType:
    case FavoriteGroupType:
        readNamed(in, static_cast<NamedEditable *>(&object));
        break;
    case ChannelType:
        readChannel(in, static_cast<Channel *>(&object), byId);
        break;
    default:
        return false;
    }
    return !in.failed() && in.atEnd();
}
