#include "formats/settingskelmora.h"

#include "formats/kelmoranamecodec.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/capacitycheck.h"

#include <QFileDevice>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// A satellite reference is one byte in a transponder record.
constexpr int SatelliteReferenceLimit = 256;
constexpr int NoReferenceWord = 0xFFFF;
constexpr int NoReferenceByte = 0xFF;
constexpr int NameWidth = 16;

QMap<int, int> identityTable(std::initializer_list<int> values)
{
    QMap<int, int> table;
    for (int value : values)
        table.insert(value, value);
    return table;
}

} // namespace

SettingsKelmora::SettingsKelmora(const KelmoraLayout &modelLayout)
    : m_modelLayout(modelLayout)
    , m_slotsHoldingBytes { modelLayout.satelliteMax, modelLayout.transponderMax, modelLayout.providerMax,
        modelLayout.channelMax }
{
    setRules(rulesOf(modelLayout));
}

const QMap<int, int> &SettingsKelmora::diseqcCodes()
{
    static const QMap<int, int> table = identityTable({ 0, 1, 2, 3, 4, 5, 6 });
    return table;
}

const QMap<int, int> &SettingsKelmora::toneCodes()
{
    static const QMap<int, int> table = identityTable({ 0, 1, 2 });
    return table;
}

const QMap<int, int> &SettingsKelmora::diseqc12Codes()
{
    static const QMap<int, int> table = identityTable({ 0, 1 });
    return table;
}

const QMap<int, int> &SettingsKelmora::diseqc11Codes()
{
    // Ports 10 to 16 are two decimal digits in the halves of the byte.
    static const QMap<int, int> table
        = identityTable({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16 });
    return table;
}

const QMap<int, int> &SettingsKelmora::polarizationCodes()
{
    static const QMap<int, int> table = identityTable({ 0, 1 });
    return table;
}

const QMap<int, int> &SettingsKelmora::channelFlagBits()
{
    static const QMap<int, int> table = identityTable({ 1, 2, 4, 8, 16, 32 });
    return table;
}

int SettingsKelmora::codeFor(const QMap<int, int> &table, int value)
{
    return table.value(value, 0);
}

int SettingsKelmora::valueFor(const QMap<int, int> &table, int code)
{
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        if (it.value() == code)
            return it.key();
    return 0;
}

StoreRules SettingsKelmora::rulesOf(const KelmoraLayout &model)
{
    StoreRules rules;
    rules.tvFirst = true;
    rules.sortedTransponders = true;
    rules.channelPmtPid = model.channelRecord.pmtPidOffset >= 0;
    SettingsCapacity &capacity = rules.capacity;
    capacity.satellites = std::min(model.satelliteMax, SatelliteReferenceLimit);
    capacity.transponders = model.transponderMax;
    capacity.providers = model.providerMax;
    capacity.channels = model.channelMax;
    capacity.favoriteGroups = model.favoriteGroupCount;
    capacity.channelsPerGroup = model.favoriteGroupMaxChannels;
    return rules;
}

bool SettingsKelmora::load(QFileDevice *file)
{
    return loadImage(file ? file->readAll() : QByteArray());
}

bool SettingsKelmora::loadImage(const QByteArray &bytes)
{
    if (m_loaded) {
        setErrorString(tr("These settings have already been loaded."));
        return false;
    }
    setImage(bytes);
    if (image().size() != m_modelLayout.fileSize) {
        // A short read must not decode tables that are only partly there.
        setErrorString(tr("The file gave %1 bytes; a %2 settings file has exactly %3.")
                           .arg(image().size())
                           .arg(QLatin1String(m_modelLayout.modelName))
                           .arg(m_modelLayout.fileSize));
        return false;
    }
    m_loaded = true;
    loadRecords();
    discardPendingUpdates();
    setErrorString(QString());
    return true;
}

qint64 SettingsKelmora::save(QFileDevice *file)
{
    if (!m_loaded) {
        setErrorString(tr("No settings file has been loaded, so there is nothing to save into."));
        return -1;
    }
    moveKeepLastSatelliteToEnd();
    mergeProviders();
    const QString problem = capacityProblem();
    if (!problem.isEmpty()) {
        setErrorString(problem);
        return -1;
    }
    storeRecords();
    return writeImage(file);
}

QString SettingsKelmora::capacityProblem() const
{
    const QString model = QLatin1String(m_modelLayout.modelName);
    for (const CapacityCheck::Use &use : CapacityCheck::uses(*this)) {
        if (!use.over())
            continue;
        if (use.kind == CapacityCheck::Kind::GroupChannels)
            return tr("The favorite group \"%1\" holds %2 channels; a %3 file has room for %4 per group.")
                .arg(use.group->name())
                .arg(use.count)
                .arg(model)
                .arg(use.limit);
        return tr("The settings hold %1 %2; a %3 file has room for %4.")
            .arg(use.count)
            .arg(CapacityCheck::nameOf(use.kind), model)
            .arg(use.limit);
    }
    return QString();
}

int SettingsKelmora::channelSlotOf(Channel *channel) const
{
    return mainChannelList().indexOf(channel);
}

void SettingsKelmora::loadRecords()
{
    const KelmoraLayout &l = layout();
    const int satelliteCount = std::min<int>(wordAt(l.satelliteCountOffset), l.satelliteMax);
    const int transponderCount = std::min<int>(wordAt(l.transponderCountOffset), l.transponderMax);
    const int providerCount = std::min<int>(wordAt(l.providerCountOffset), l.providerMax);
    const int channelCount = std::min<int>(wordAt(l.channelCountOffset), l.channelMax);
    const int tvCount = std::min<int>(wordAt(l.tvChannelCountOffset), l.channelMax);

    for (int slot = 0; slot < satelliteCount; ++slot)
        readSatellite(slot);
    // The receiver expects the satellite of its last used slot to stay last.
    if (!satellites().isEmpty())
        satellites().constLast()->setKeepLast(true);
    for (int slot = 0; slot < transponderCount; ++slot)
        readTransponder(slot);
    for (int slot = 0; slot < providerCount; ++slot)
        readProvider(slot);
    editableMainChannelList().reserve(channelCount);
    for (int slot = 0; slot < channelCount; ++slot)
        readChannel(slot, tvCount);
    for (int slot = 0; slot < l.favoriteGroupCount; ++slot)
        readFavoriteGroup(slot);
    mergeProviders();
}

void SettingsKelmora::buildSavePositions()
{
    const QList<Satellite *> satelliteList = satellites();
    for (int i = 0; i < satelliteList.size(); ++i)
        m_satellitePositions.insert(satelliteList.at(i), i);
    const QList<Transponder *> transponderList = transponders();
    for (int i = 0; i < transponderList.size(); ++i) {
        m_transponderPositions.insert(transponderList.at(i), i);
        ++m_transponderCounts[transponderList.at(i)->satellite()];
    }
    const QList<Provider *> providerList = providers();
    for (int i = 0; i < providerList.size(); ++i)
        m_providerPositions.insert(providerList.at(i), i);
}

void SettingsKelmora::storeRecords()
{
    const KelmoraLayout &l = layout();
    buildSavePositions();
    const QList<Satellite *> satelliteList = satellites();
    const QList<Transponder *> transponderList = transponders();
    const QList<Provider *> providerList = providers();
    const ChannelList &channels = mainChannelList();

    setWord(l.satelliteCountOffset, int(satelliteList.size()));
    setWord(l.transponderCountOffset, int(transponderList.size()));
    setWord(l.providerCountOffset, int(providerList.size()));
    setWord(l.channelCountOffset, channels.count());
    setWord(l.tvChannelCountOffset, channels.tvCount());

    // Slots up to the count get the objects in list order; the rest are
    // cleared as far as they may hold bytes. The counts were checked against
    // the table sizes before, but the writes stay bounded by the table all
    // the same.
    auto storeTable
        = [this](int tableOffset, int recordSize, int slotCount, int used, int &holdingBytes, auto write) {
              const int written = std::min(used, slotCount);
              for (int slot = 0; slot < written; ++slot)
                  write(slot);
              clearSlots(tableOffset, recordSize, written, holdingBytes);
              holdingBytes = written;
          };
    SlotsHoldingBytes &held = m_slotsHoldingBytes;
    storeTable(l.satelliteTableOffset, l.satelliteRecordSize, l.satelliteMax, int(satelliteList.size()),
        held.satellites, [&](int slot) { writeSatellite(satelliteList.at(slot), slot); });
    storeTable(l.transponderTableOffset, l.transponderRecordSize, l.transponderMax,
        int(transponderList.size()), held.transponders,
        [&](int slot) { writeTransponder(transponderList.at(slot), slot); });
    storeTable(l.providerTableOffset, l.providerRecordSize, l.providerMax, int(providerList.size()),
        held.providers, [&](int slot) { writeProvider(providerList.at(slot), slot); });
    storeTable(l.channelTableOffset, l.channelRecordSize, l.channelMax, channels.count(), held.channels,
        [&](int slot) { writeChannel(channels.at(slot), slot); });
    const QList<FavoriteGroup *> groups = favoriteGroups();
    for (int slot = 0; slot < std::min<int>(int(groups.size()), l.favoriteGroupCount); ++slot)
        writeFavoriteGroup(groups.at(slot), slot);

    m_satellitePositions.clear();
    m_transponderCounts.clear();
    m_transponderPositions.clear();
    m_providerPositions.clear();
}

void SettingsKelmora::moveKeepLastSatelliteToEnd()
{
    const QList<Satellite *> satelliteList = satellites();
    for (int i = 0; i < satelliteList.size(); ++i) {
        if (!satelliteList.at(i)->keepLast())
            continue;
        if (i != satelliteList.size() - 1) {
            moveSatellite(i, int(satelliteList.size()) - 1);
            emit updatedSatelliteList();
        }
        return;
    }
}

void SettingsKelmora::mergeProviders()
{
    // Providers with the same name are one, and so are two that the file
    // will give back under the same name (the next load would merge those,
    // so saving a file just read would change it): compared by the bytes a
    // save writes, which for an unchanged name are the bytes it was read
    // from. Either likeness joins; the first of each group survives.
    const QList<Provider *> list = providers();
    std::vector<int> firstOf(size_t(list.size()));
    std::iota(firstOf.begin(), firstOf.end(), 0);
    auto first = [&firstOf](int i) {
        while (firstOf[size_t(i)] != i)
            i = firstOf[size_t(i)] = firstOf[size_t(firstOf[size_t(i)])];
        return i;
    };
    QHash<QString, int> byName;
    QHash<QString, int> byStoredName;
    auto join = [&first, &firstOf](QHash<QString, int> &seen, const QString &key, int i) {
        const auto it = seen.constFind(key);
        if (it == seen.cend()) {
            seen.insert(key, i);
            return;
        }
        const int a = first(*it);
        const int b = first(i);
        firstOf[size_t(std::max(a, b))] = std::min(a, b);
    };
    for (int i = 0; i < list.size(); ++i) {
        join(byName, list.at(i)->name(), i);
        join(byStoredName, storedName(list.at(i), list.at(i)->name()).text, i);
    }

    QHash<const Provider *, Provider *> survivorOf;
    QList<Provider *> duplicates;
    for (int i = 0; i < list.size(); ++i) {
        if (first(i) == i)
            continue;
        survivorOf.insert(list.at(i), list.at(first(i)));
        duplicates.append(list.at(i));
    }
    if (duplicates.isEmpty())
        return;

    auto moveToFirst = [&survivorOf](Channel *channel) {
        // A channel without provider stays without one; only channels of a
        // duplicate change, so that the others announce nothing.
        if (Provider *survivor = survivorOf.value(channel->provider()))
            channel->setProvider(survivor);
    };
    for (Channel *channel : mainChannelList().channels())
        moveToFirst(channel);
    // A channel held only by a group would otherwise keep a deleted provider.
    for (FavoriteGroup *group : favoriteGroups())
        for (Channel *channel : channelListFor(group)->channels())
            moveToFirst(channel);
    removeProviders(duplicates);
}

QString SettingsKelmora::readName(Editable *owner, int offset, int width)
{
    const QByteArray field = bytesAt(offset, width);
    const KelmoraNameCodec::Decoded decoded = KelmoraNameCodec::decode(field);
    owner->setRememberedName({ decoded.text, field.left(decoded.length) });
    return decoded.text;
}

bool SettingsKelmora::keepsReadBytes(const Editable *owner, const QString &text, int width)
{
    const Editable::RememberedName &read = owner->rememberedName();
    // The width test guards against a name read from a wider field, as a
    // 2XX channel name is.
    return !read.isEmpty() && read.text == text && read.bytes.size() <= width;
}

QByteArray SettingsKelmora::nameField(const Editable *owner, const QString &text, int width)
{
    if (!keepsReadBytes(owner, text, width))
        return KelmoraNameCodec::encode(text, width);
    QByteArray field = owner->rememberedName().bytes;
    field.append(width - field.size(), '\0');
    return field;
}

void SettingsKelmora::writeName(const Editable *owner, const QString &text, int offset, int width)
{
    setBytes(offset, nameField(owner, text, width));
}

int SettingsKelmora::nameWidthOf(const Editable *owner) const
{
    return owner && owner->typeCode() == ChannelType ? m_modelLayout.channelRecord.nameWidth : NameWidth;
}

StoredName SettingsKelmora::storedName(const Editable *owner, const QString &name) const
{
    const int width = nameWidthOf(owner);
    // Read bytes decode to the text they were read as; most names of a file
    // take this way, which the channel table asks for on every paint.
    if (owner && keepsReadBytes(owner, name, width))
        return { name, width - int(owner->rememberedName().bytes.size()) };
    const QString stored = KelmoraNameCodec::decode(KelmoraNameCodec::encode(name, width)).text;
    return { stored, width - KelmoraNameCodec::encodedSize(name) };
}

void SettingsKelmora::writeReservedBytes(const Editable *owner, int offset, int count)
{
    // They belong to the record, not to the slot: a record that moves takes
    // them along, and a new one has none.
    QByteArray bytes = owner->reservedBytes().left(count);
    bytes.append(count - bytes.size(), '\0');
    setBytes(offset, bytes);
}

Satellite *SettingsKelmora::readSatellite(int slot)
{
    const KelmoraLayout &l = layout();
    const int base = l.satelliteTableOffset + l.satelliteRecordSize * slot;
    auto *satellite = new Satellite;
    satellite->setPosition(wordAt(base + 2));
    satellite->setName(readName(satellite, base + 4, NameWidth));
    satellite->setLowLof(wordAt(base + 22));
    satellite->setHighLof(wordAt(base + 24));
    satellite->setDiseqc(valueFor(diseqcCodes(), byteAt(base + 26)));
    satellite->setTone(valueFor(toneCodes(), byteAt(base + 27)));
    satellite->setDiseqc12(valueFor(diseqc12Codes(), byteAt(base + 28)) != 0);
    satellite->setDiseqc12Position(byteAt(base + 29));
    satellite->setDiseqc11(valueFor(diseqc11Codes(), byteAt(base + 32)));
    satellite->setKeepLast(false);
    satellite->setReservedBytes(bytesAt(base + 34, 2));
    addSatellite(satellite);
    return satellite;
}

void SettingsKelmora::writeSatellite(Satellite *satellite, int slot)
{
    const KelmoraLayout &l = layout();
    const int base = l.satelliteTableOffset + l.satelliteRecordSize * slot;
    setWord(base, slot);
    setWord(base + 2, satellite->position());
    writeName(satellite, satellite->name(), base + 4, NameWidth);
    setWord(base + 20, m_transponderCounts.value(satellite));
    setWord(base + 22, satellite->lowLof());
    setWord(base + 24, satellite->highLof());
    setByte(base + 26, codeFor(diseqcCodes(), satellite->diseqc()));
    setByte(base + 27, codeFor(toneCodes(), satellite->tone()));
    setByte(base + 28, codeFor(diseqc12Codes(), satellite->diseqc12() ? 1 : 0));
    setByte(base + 29, satellite->diseqc12Position());
    setByte(base + 30, 0);
    setByte(base + 31, 0);
    setWord(base + 32, codeFor(diseqc11Codes(), satellite->diseqc11()));
    writeReservedBytes(satellite, base + 34, 2);
}

Transponder *SettingsKelmora::readTransponder(int slot)
{
    const KelmoraLayout &l = layout();
    const int base = l.transponderTableOffset + l.transponderRecordSize * slot;
    auto *transponder = new Transponder;
    // A position beyond the satellites read names no satellite.
    transponder->setSatellite(satellites().value(byteAt(base), nullptr));
    transponder->setPolarization(valueFor(polarizationCodes(), byteAt(base + 2)));
    transponder->setTransportStreamId(wordAt(base + 4));
    transponder->setNetworkId(wordAt(base + 6));
    transponder->setOriginalNetworkId(wordAt(base + 8));
    transponder->setFrequency(wordAt(base + 10));
    transponder->setSymbolRate(wordAt(base + 12));
    transponder->setReservedBytes(bytesAt(base + 14, 2));
    addTransponder(transponder);
    return transponder;
}

void SettingsKelmora::writeTransponder(Transponder *transponder, int slot)
{
    const KelmoraLayout &l = layout();
    const int base = l.transponderTableOffset + l.transponderRecordSize * slot;
    const int satellite = m_satellitePositions.value(transponder->satellite(), -1);
    setByte(base, satellite >= 0 ? satellite : NoReferenceByte);
    setByte(base + 1, 0);
    setByte(base + 2, codeFor(polarizationCodes(), transponder->polarization()));
    setByte(base + 3, 0);
    setWord(base + 4, transponder->transportStreamId());
    setWord(base + 6, transponder->networkId());
    setWord(base + 8, transponder->originalNetworkId());
    setWord(base + 10, transponder->frequency());
    setWord(base + 12, transponder->symbolRate());
    writeReservedBytes(transponder, base + 14, 2);
}

Provider *SettingsKelmora::readProvider(int slot)
{
    const KelmoraLayout &l = layout();
    auto *provider = new Provider;
    provider->setName(readName(provider, l.providerTableOffset + l.providerRecordSize * slot, NameWidth));
    addProvider(provider);
    return provider;
}

void SettingsKelmora::writeProvider(Provider *provider, int slot)
{
    const KelmoraLayout &l = layout();
    writeName(provider, provider->name(), l.providerTableOffset + l.providerRecordSize * slot, NameWidth);
}

void SettingsKelmora::clearSlots(int tableOffset, int recordSize, int from, int to)
{
    // An empty name encodes as zeros, so a provider slot clears like any other.
    if (from < to)
        fillBytes(tableOffset + recordSize * from, recordSize * (to - from), 0);
}

Channel *SettingsKelmora::readChannel(int slot, int tvCount)
{
    const KelmoraLayout &l = layout();
    const KelmoraChannelRecord &record = l.channelRecord;
    const int base = l.channelTableOffset + l.channelRecordSize * slot;
    auto *channel = new Channel;
    channel->setServiceId(wordAt(base));
    // Positions beyond the providers or transponders read name none.
    channel->setProvider(providers().value(wordAt(base + 2), nullptr));
    channel->setTransponder(transponders().value(wordAt(base + 4), nullptr));
    channel->setVideoPid(wordAt(base + 6));
    channel->setAudioPid(wordAt(base + 8));
    channel->setPcrPid(wordAt(base + 10));
    if (record.pmtPidOffset >= 0)
        channel->setPmtPid(wordAt(base + record.pmtPidOffset));
    channel->setFlags(flagSetOf(wordAt(base + record.flagsOffset)));
    channel->setName(readName(channel, base + record.nameOffset, record.nameWidth));
    // The table holds the TV channels first; the header says how many.
    channel->setServiceType(mainChannelList().count() < tvCount ? 0 : 1);
    addChannel(nullptr, channel);
    return channel;
}

const QSet<int> &SettingsKelmora::flagSetOf(int word)
{
    const QMap<int, int> &bits = channelFlagBits();
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

void SettingsKelmora::writeChannel(Channel *channel, int slot)
{
    const KelmoraLayout &l = layout();
    const KelmoraChannelRecord &record = l.channelRecord;
    const int base = l.channelTableOffset + l.channelRecordSize * slot;
    const int provider = m_providerPositions.value(channel->provider(), -1);
    const int transponder = m_transponderPositions.value(channel->transponder(), -1);
    setWord(base, channel->serviceId());
    setWord(base + 2, provider >= 0 ? provider : NoReferenceWord);
    setWord(base + 4, transponder >= 0 ? transponder : NoReferenceWord);
    setWord(base + 6, channel->videoPid());
    setWord(base + 8, channel->audioPid());
    setWord(base + 10, channel->pcrPid());
    if (record.pmtPidOffset >= 0)
        setWord(base + record.pmtPidOffset, channel->pmtPid());
    int flags = 0;
    const QMap<int, int> &bits = channelFlagBits();
    for (auto it = bits.cbegin(); it != bits.cend(); ++it)
        flags |= channel->hasFlag(it.key()) ? it.value() : 0;
    setWord(base + record.flagsOffset, flags);
    writeName(channel, channel->name(), base + record.nameOffset, record.nameWidth);
}

FavoriteGroup *SettingsKelmora::readFavoriteGroup(int slot)
{
    const KelmoraLayout &l = layout();
    const int base = l.favoriteGroupTableOffset + l.favoriteGroupRecordSize * slot;
    auto *group = new FavoriteGroup;
    group->setName(readName(group, base, NameWidth));
    addFavoriteGroup(group);

    ChannelList *list = channelListFor(group);
    const int count
        = std::min<int>(wordAt(base + 18 + 2 * l.favoriteGroupMaxChannels), l.favoriteGroupMaxChannels);
    const ChannelList &channels = mainChannelList();
    for (int i = 0; i < count; ++i) {
        // Entries that name no loaded channel are dropped; a repeated entry
        // is ignored by the list itself.
        const int position = wordAt(base + 16 + 2 * i);
        if (position < channels.count())
            list->append(channels.at(position));
    }
    return group;
}

void SettingsKelmora::writeFavoriteGroup(FavoriteGroup *group, int slot)
{
    const KelmoraLayout &l = layout();
    const int base = l.favoriteGroupTableOffset + l.favoriteGroupRecordSize * slot;
    writeName(group, group->name(), base, NameWidth);

    // The group's list keeps its TV channels first, which the record wants.
    const QList<Channel *> members = channelListFor(group)->channels();
    int written = 0;
    int tvWritten = 0;
    for (Channel *channel : std::as_const(members)) {
        // A channel that only the group holds has no slot to refer to.
        const int position = channelSlotOf(channel);
        if (position < 0 || written >= l.favoriteGroupMaxChannels)
            continue;
        setWord(base + 16 + 2 * written, position);
        ++written;
        tvWritten += channel->isTv() ? 1 : 0;
    }
    fillBytes(base + 16 + 2 * written, 2 * (l.favoriteGroupMaxChannels - written), 0);
    setWord(base + 16 + 2 * l.favoriteGroupMaxChannels, tvWritten);
    setWord(base + 18 + 2 * l.favoriteGroupMaxChannels, written);
}
