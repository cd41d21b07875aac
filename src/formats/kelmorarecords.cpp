#include "formats/kelmorarecords.h"

#include "formats/flatimage.h"
#include "formats/kelmoracodes.h"
#include "formats/kelmoralayout.h"
#include "formats/kelmoranames.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"

#include <algorithm>

namespace {

constexpr int NoReferenceWord = 0xFFFF;
constexpr int NoReferenceByte = 0xFF;
constexpr int NameWidth = 16;

} // namespace

KelmoraRecords::KelmoraRecords(FlatImage &image, const KelmoraLayout &layout)
    : m_image(image)
    , m_layout(layout)
{ }

int KelmoraRecords::nameWidthOf(const Editable *owner) const
{
    return owner && owner->typeCode() == ChannelType ? m_layout.channelRecord.nameWidth : NameWidth;
}

QString KelmoraRecords::readName(Editable *owner, int offset, int width) const
{
    return KelmoraNames::read(owner, m_image.bytesAt(offset, width));
}

void KelmoraRecords::writeName(const Editable &owner, const QString &text, int offset, int width)
{
    m_image.setBytes(offset, KelmoraNames::field(&owner, text, width));
}

void KelmoraRecords::writeReservedBytes(const Editable &owner, int offset, int count)
{
    // They belong to the record, not to the slot: a record that moves takes
    // them along, and a new one has none.
    QByteArray bytes = owner.reservedBytes().left(count);
    bytes.append(count - bytes.size(), '\0');
    m_image.setBytes(offset, bytes);
}

Satellite *KelmoraRecords::readSatellite(int slot) const
{
    const int base = m_layout.satelliteTableOffset + m_layout.satelliteRecordSize * slot;
    auto *satellite = new Satellite;
    satellite->setPosition(m_image.wordAt(base + 2));
    satellite->setName(readName(satellite, base + 4, NameWidth));
    satellite->setLowLof(m_image.wordAt(base + 22));
    satellite->setHighLof(m_image.wordAt(base + 24));
    satellite->setDiseqc(KelmoraCodes::valueFor(KelmoraCodes::diseqc(), m_image.byteAt(base + 26)));
    satellite->setTone(KelmoraCodes::valueFor(KelmoraCodes::tone(), m_image.byteAt(base + 27)));
    satellite->setDiseqc12(KelmoraCodes::valueFor(KelmoraCodes::diseqc12(), m_image.byteAt(base + 28)) != 0);
    satellite->setDiseqc12Position(m_image.byteAt(base + 29));
    satellite->setDiseqc11(KelmoraCodes::valueFor(KelmoraCodes::diseqc11(), m_image.byteAt(base + 32)));
    satellite->setKeepLast(false);
    satellite->setReservedBytes(m_image.bytesAt(base + 34, 2));
    return satellite;
}

void KelmoraRecords::writeSatellite(const Satellite &satellite, int slot, int transponderCount)
{
    const int base = m_layout.satelliteTableOffset + m_layout.satelliteRecordSize * slot;
    m_image.setWord(base, slot);
    m_image.setWord(base + 2, satellite.position());
    writeName(satellite, satellite.name(), base + 4, NameWidth);
    m_image.setWord(base + 20, transponderCount);
    m_image.setWord(base + 22, satellite.lowLof());
    m_image.setWord(base + 24, satellite.highLof());
    m_image.setByte(base + 26, KelmoraCodes::codeFor(KelmoraCodes::diseqc(), satellite.diseqc()));
    m_image.setByte(base + 27, KelmoraCodes::codeFor(KelmoraCodes::tone(), satellite.tone()));
    m_image.setByte(base + 28, KelmoraCodes::codeFor(KelmoraCodes::diseqc12(), satellite.diseqc12() ? 1 : 0));
    m_image.setByte(base + 29, satellite.diseqc12Position());
    m_image.setByte(base + 30, 0);
    m_image.setByte(base + 31, 0);
    m_image.setWord(base + 32, KelmoraCodes::codeFor(KelmoraCodes::diseqc11(), satellite.diseqc11()));
    writeReservedBytes(satellite, base + 34, 2);
}

Transponder *KelmoraRecords::readTransponder(int slot, const QList<Satellite *> &satellites) const
{
    const int base = m_layout.transponderTableOffset + m_layout.transponderRecordSize * slot;
    auto *transponder = new Transponder;
    transponder->setSatellite(satellites.value(m_image.byteAt(base), nullptr));
    transponder->setPolarization(
        KelmoraCodes::valueFor(KelmoraCodes::polarization(), m_image.byteAt(base + 2)));
    transponder->setTransportStreamId(m_image.wordAt(base + 4));
    transponder->setNetworkId(m_image.wordAt(base + 6));
    transponder->setOriginalNetworkId(m_image.wordAt(base + 8));
    transponder->setFrequency(m_image.wordAt(base + 10));
    transponder->setSymbolRate(m_image.wordAt(base + 12));
    transponder->setReservedBytes(m_image.bytesAt(base + 14, 2));
    return transponder;
}

void KelmoraRecords::writeTransponder(const Transponder &transponder, int slot, int satellitePosition)
{
    const int base = m_layout.transponderTableOffset + m_layout.transponderRecordSize * slot;
    m_image.setByte(base, satellitePosition >= 0 ? satellitePosition : NoReferenceByte);
    m_image.setByte(base + 1, 0);
    m_image.setByte(
        base + 2, KelmoraCodes::codeFor(KelmoraCodes::polarization(), transponder.polarization()));
    m_image.setByte(base + 3, 0);
    m_image.setWord(base + 4, transponder.transportStreamId());
    m_image.setWord(base + 6, transponder.networkId());
    m_image.setWord(base + 8, transponder.originalNetworkId());
    m_image.setWord(base + 10, transponder.frequency());
    m_image.setWord(base + 12, transponder.symbolRate());
    writeReservedBytes(transponder, base + 14, 2);
}

Provider *KelmoraRecords::readProvider(int slot) const
{
    auto *provider = new Provider;
    provider->setName(
        readName(provider, m_layout.providerTableOffset + m_layout.providerRecordSize * slot, NameWidth));
    return provider;
}

void KelmoraRecords::writeProvider(const Provider &provider, int slot)
{
    writeName(provider, provider.name(), m_layout.providerTableOffset + m_layout.providerRecordSize * slot,
        NameWidth);
}

Channel *KelmoraRecords::readChannel(
    int slot, bool tv, const QList<Provider *> &providers, const QList<Transponder *> &transponders)
{
    const KelmoraChannelRecord &record = m_layout.channelRecord;
    const int base = m_layout.channelTableOffset + m_layout.channelRecordSize * slot;
    auto *channel = new Channel;
    channel->setServiceId(m_image.wordAt(base));
    // Positions beyond the providers or transponders read name none.
    channel->setProvider(providers.value(m_image.wordAt(base + 2), nullptr));
    channel->setTransponder(transponders.value(m_image.wordAt(base + 4), nullptr));
    channel->setVideoPid(m_image.wordAt(base + 6));
    channel->setAudioPid(m_image.wordAt(base + 8));
    channel->setPcrPid(m_image.wordAt(base + 10));
    if (record.pmtPidOffset >= 0)
        channel->setPmtPid(m_image.wordAt(base + record.pmtPidOffset));
    channel->setFlags(flagSetOf(m_image.wordAt(base + record.flagsOffset)));
    channel->setName(readName(channel, base + record.nameOffset, record.nameWidth));
    channel->setServiceType(tv ? 0 : 1);
    return channel;
}

const QSet<int> &KelmoraRecords::flagSetOf(int word)
{
    const QMap<int, int> &bits = KelmoraCodes::channelFlagBits();
    int known = 0;
    for (const int bit : bits)
        known |= bit;
    word &= known;
    auto it = m_flagSets.constFind(word);
    if (it == m_flagSets.cend()) {
        QSet<int> flags;
        for (auto bit = bits.cbegin(); bit != bits.cend(); ++bit)
            if (word & bit.value())
                flags.insert(bit.key());
        it = m_flagSets.insert(word, flags);
    }
    return *it;
}

void KelmoraRecords::writeChannel(
    const Channel &channel, int slot, int providerPosition, int transponderPosition)
{
    const KelmoraChannelRecord &record = m_layout.channelRecord;
    const int base = m_layout.channelTableOffset + m_layout.channelRecordSize * slot;
    m_image.setWord(base, channel.serviceId());
    m_image.setWord(base + 2, providerPosition >= 0 ? providerPosition : NoReferenceWord);
    m_image.setWord(base + 4, transponderPosition >= 0 ? transponderPosition : NoReferenceWord);
    m_image.setWord(base + 6, channel.videoPid());
    m_image.setWord(base + 8, channel.audioPid());
    m_image.setWord(base + 10, channel.pcrPid());
    if (record.pmtPidOffset >= 0)
        m_image.setWord(base + record.pmtPidOffset, channel.pmtPid());
    int flags = 0;
    const QMap<int, int> &bits = KelmoraCodes::channelFlagBits();
    for (auto it = bits.cbegin(); it != bits.cend(); ++it)
        flags |= channel.hasFlag(it.key()) ? it.value() : 0;
    m_image.setWord(base + record.flagsOffset, flags);
    writeName(channel, channel.name(), base + record.nameOffset, record.nameWidth);
}

FavoriteGroup *KelmoraRecords::readFavoriteGroup(int slot) const
{
    auto *group = new FavoriteGroup;
    group->setName(readName(
        group, m_layout.favoriteGroupTableOffset + m_layout.favoriteGroupRecordSize * slot, NameWidth));
    return group;
}

QList<int> KelmoraRecords::favoriteGroupEntries(int slot) const
{
    const KelmoraLayout &l = m_layout;
    const int base = l.favoriteGroupTableOffset + l.favoriteGroupRecordSize * slot;
    const int count = std::min<int>(
        m_image.wordAt(base + 18 + 2 * l.favoriteGroupMaxChannels), l.favoriteGroupMaxChannels);
    QList<int> entries;
    entries.reserve(count);
    for (int i = 0; i < count; ++i)
        entries.append(m_image.wordAt(base + 16 + 2 * i));
    return entries;
}

void KelmoraRecords::writeFavoriteGroup(
    const FavoriteGroup &group, int slot, const QList<std::pair<int, bool>> &members)
{
    const KelmoraLayout &l = m_layout;
    const int base = l.favoriteGroupTableOffset + l.favoriteGroupRecordSize * slot;
    writeName(group, group.name(), base, NameWidth);
    const int written = std::min<int>(int(members.size()), l.favoriteGroupMaxChannels);
    int tvWritten = 0;
    for (int i = 0; i < written; ++i) {
        m_image.setWord(base + 16 + 2 * i, members.at(i).first);
        tvWritten += members.at(i).second ? 1 : 0;
    }
    m_image.fillBytes(base + 16 + 2 * written, 2 * (l.favoriteGroupMaxChannels - written), 0);
    m_image.setWord(base + 16 + 2 * l.favoriteGroupMaxChannels, tvWritten);
    m_image.setWord(base + 18 + 2 * l.favoriteGroupMaxChannels, written);
}

void KelmoraRecords::clearSlots(int tableOffset, int recordSize, int from, int to)
{
    // An empty name encodes as zeros, so a provider slot clears like any other.
    if (from < to)
        m_image.fillBytes(tableOffset + recordSize * from, recordSize * (to - from), 0);
}
