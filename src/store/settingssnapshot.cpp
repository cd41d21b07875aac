#include "store/settingssnapshot.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace {

// Marks the layout below; bytes of another layout are refused.
constexpr char FormatTag = 'K';
constexpr char FormatVersion = 1;

// Single-bit flags 1 << 0 to 1 << 30 go into a mask.
constexpr int FlagBits = 31;

enum RememberedForm : quint8 { NoRememberedName = 0, RememberedAsNamed = 1, RememberedOtherText = 2 };

// Numbers as variable-length integers, most of them one or two bytes;
// positions are stored plus one so that 0 says "none".
class Writer
{
public:
    explicit Writer(QByteArray &out)
        : m_out(out)
        , m_size(out.size())
        , m_data(out.data())
    { }
    // Cuts the buffer to what was written.
    ~Writer() { m_out.truncate(m_size); }
    Writer(const Writer &) = delete;
    Writer &operator=(const Writer &) = delete;

    qsizetype size() const { return m_size; }

    void number(quint64 value)
    {
        char *out = room(10);
        while (value >= 0x80) {
            *out++ = char(quint8(value) | 0x80);
            value >>= 7;
        }
        *out++ = char(value);
        m_size = out - m_data;
    }
    void signedNumber(qint64 value) { number((quint64(value) << 1) ^ quint64(value >> 63)); }
    // Ids of neighbours are mostly consecutive, so their differences are small.
    void id(quint64 value)
    {
        signedNumber(qint64(value - m_lastId));
        m_lastId = value;
    }
    void bytes(const QByteArray &value)
    {
        number(quint64(value.size()));
        std::memcpy(room(value.size()), value.constData(), size_t(value.size()));
        m_size += value.size();
    }
    // Latin-1 text one byte a character, anything else as its UTF-16 units,
    // so that even a lone surrogate comes back as it was.
    void text(const QString &value)
    {
        const bool latin1
            = std::all_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() < 0x100; });
        number((quint64(value.size()) << 1) | (latin1 ? 1 : 0));
        if (latin1) {
            char *out = room(value.size());
            for (QChar c : value)
                *out++ = char(c.unicode());
            m_size += value.size();
        } else {
            std::memcpy(room(value.size() * 2), value.utf16(), size_t(value.size()) * 2);
            m_size += value.size() * 2;
        }
    }
    // The flags a file can hold are single bits: a mask for those, looked up
    // one by one since walking a set is slow, then any others, sorted so
    // that equal stores give equal snapshots.
    void flags(const QSet<int> &flags)
    {
        quint64 mask = 0;
        qsizetype found = 0;
        for (int bit = 0; bit < FlagBits && found < flags.size(); ++bit) {
            if (flags.contains(1 << bit)) {
                mask |= quint64(1) << bit;
                ++found;
            }
        }
        number(mask);
        QList<int> others;
        if (found < flags.size()) {
            for (int flag : flags)
                if (flag <= 0 || (flag & (flag - 1)) != 0)
                    others.append(flag);
            std::sort(others.begin(), others.end());
        }
        number(quint64(others.size()));
        for (int flag : std::as_const(others))
            signedNumber(flag);
    }
    void name(const QString &name, const Editable::RememberedName &remembered)
    {
        text(name);
        if (remembered.isEmpty()) {
            number(NoRememberedName);
        } else if (remembered.text == name) {
            number(RememberedAsNamed);
            bytes(remembered.bytes);
        } else {
            number(RememberedOtherText);
            text(remembered.text);
            bytes(remembered.bytes);
        }
    }

private:
    // Where the next count bytes go; the buffer grows in large steps. The
    // buffer is ours alone, so its data pointer is only asked for (which
    // checks for sharing) when it grows.
    char *room(qsizetype count)
    {
        if (m_size + count > m_out.size()) {
            m_out.resize(std::max({ m_out.capacity(), m_out.size() * 2, m_size + count + 4096 }));
            m_data = m_out.data();
        }
        return m_data + m_size;
    }

    QByteArray &m_out;
    qsizetype m_size;
    char *m_data;
    quint64 m_lastId = 0;
};

// Reads what Writer wrote; any read beyond the end or out of range sets the
// failure mark and gives 0, so a damaged snapshot ends in a refusal.
class Reader
{
public:
    explicit Reader(const QByteArray &in, qsizetype start = 0)
        : m_in(in)
        , m_position(start)
    { }

    bool failed() const { return m_failed; }
    qsizetype position() const { return m_position; }
    bool atEnd() const { return m_position == m_in.size(); }
    void fail() { m_failed = true; }

    quint64 number()
    {
        quint64 value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (m_position >= m_in.size())
                break;
            const quint8 byte = quint8(m_in.at(m_position++));
            value |= quint64(byte & 0x7F) << shift;
            if (!(byte & 0x80))
                return value;
        }
        m_failed = true;
        return 0;
    }
    qint64 signedNumber()
    {
        const quint64 value = number();
        return qint64(value >> 1) ^ -qint64(value & 1);
    }
    template<typename T> T bounded(quint64 limit)
    {
        const quint64 value = number();
        if (value > limit)
            m_failed = true;
        return m_failed ? T(0) : T(value);
    }
    quint16 word() { return bounded<quint16>(0xFFFF); }
    int integer()
    {
        const qint64 value = signedNumber();
        if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
            m_failed = true;
        return m_failed ? 0 : int(value);
    }
    // A position into a table of count entries, or -1 for none.
    int reference(qsizetype count) { return bounded<int>(quint64(count)) - 1; }
    // A position into a table of count entries that must hold it.
    qsizetype index(qsizetype count)
    {
        const quint64 value = number();
        if (value >= quint64(count))
            m_failed = true;
        return m_failed ? 0 : qsizetype(value);
    }
    quint64 id()
    {
        m_lastId += quint64(signedNumber());
        if (m_lastId == 0)
            m_failed = true;
        return m_lastId;
    }
    QByteArray bytes()
    {
        const qsizetype size = take(number());
        return size < 0 ? QByteArray() : m_in.mid(m_position - size, size);
    }
    // A text's bytes, its header included: equal texts are equal bytes.
    QByteArrayView textBytes()
    {
        const qsizetype begin = m_position;
        const quint64 header = number();
        take((header & 1) ? header >> 1 : (header >> 1) * 2);
        return since(begin);
    }
    void skipRememberedName()
    {
        switch (number()) {
        case NoRememberedName:
            break;
        case RememberedAsNamed:
            take(number());
            break;
        case RememberedOtherText:
            textBytes();
            take(number());
            break;
        default:
            m_failed = true;
        }
    }
    void seek(qsizetype position)
    {
        if (position < m_position || position > m_in.size())
            m_failed = true;
        else
            m_position = position;
    }
    QString text()
    {
        const quint64 header = number();
        const bool latin1 = header & 1;
        const quint64 length = header >> 1;
        const qsizetype size = take(latin1 ? length : length * 2);
        if (size < 0)
            return QString();
        const char *data = m_in.constData() + m_position - size;
        if (latin1)
            return QString::fromLatin1(data, size);
        QString result(qsizetype(length), Qt::Uninitialized);
        std::memcpy(result.data(), data, size_t(size));
        return result;
    }
    void name(Editable *owner, const std::function<void(const QString &)> &setName)
    {
        const QString name = text();
        setName(name);
        switch (number()) {
        case NoRememberedName:
            // An object given a record anew must not keep a name it had.
            owner->setRememberedName({});
            break;
        case RememberedAsNamed:
            owner->setRememberedName({ name, bytes() });
            break;
        case RememberedOtherText: {
            const QString read = text();
            owner->setRememberedName({ read, bytes() });
            break;
        }
        default:
            m_failed = true;
        }
    }
    QList<int> flags()
    {
        QList<int> flags;
        const quint64 mask = bounded<quint64>((quint64(1) << FlagBits) - 1);
        for (int bit = 0; bit < FlagBits; ++bit)
            if (mask & (quint64(1) << bit))
                flags.append(1 << bit);
        for (qsizetype others = count(); others > 0 && !m_failed; --others)
            flags.append(integer());
        return flags;
    }
    // A count of entries that each take at least one byte cannot exceed what is left.
    qsizetype count() { return bounded<qsizetype>(quint64(m_in.size() - m_position)); }

private:
    QByteArrayView since(qsizetype begin) const
    {
        return m_failed ? QByteArrayView() : QByteArrayView(m_in).sliced(begin, m_position - begin);
    }
    // Steps over size bytes; -1 when they are not there.
    qsizetype take(quint64 size)
    {
        if (m_failed || size > quint64(m_in.size() - m_position)) {
            m_failed = true;
            return -1;
        }
        m_position += qsizetype(size);
        return qsizetype(size);
    }

    const QByteArray &m_in;
    qsizetype m_position;
    quint64 m_lastId = 0;
    bool m_failed = false;
};

template<typename T> QHash<const T *, int> positionsOf(const QList<T *> &list)
{
    QHash<const T *, int> positions;
    positions.reserve(list.size());
    for (int i = 0; i < list.size(); ++i)
        positions.insert(list.at(i), i);
    return positions;
}

template<typename T> quint64 referenceTo(const QHash<const T *, int> &positions, const T *object)
{
    return quint64(positions.value(object, -1) + 1);
}

// Channels are numbered by their place in the main list, then the channels
// that only a group holds, in the order first met.
class ChannelNumbers
{
public:
    ChannelNumbers(const ChannelList &mainList, const QList<Channel *> &groupOnly)
        : m_mainList(mainList)
        , m_groupOnly(positionsOf(groupOnly))
    { }
    quint64 operator()(Channel *channel) const
    {
        const int position = m_mainList.indexOf(channel);
        return quint64(position >= 0 ? position : m_mainList.count() + m_groupOnly.value(channel));
    }

private:
    const ChannelList &m_mainList;
    QHash<const Channel *, int> m_groupOnly;
};

void writeGroupList(Writer &out, const ChannelList &list, const ChannelNumbers &numberOf)
{
    out.number(quint64(list.count()));
    out.number(quint64(list.tvCount()));
    for (Channel *channel : list.channels())
        out.number(numberOf(channel));
}

// Objects made from a snapshot before they go into the store; whatever is
// left here when reading fails is deleted with it.
struct Content
{
    std::vector<std::unique_ptr<Satellite>> satellites;
    std::vector<std::unique_ptr<Transponder>> transponders;
    std::vector<std::unique_ptr<Provider>> providers;
    std::vector<std::unique_ptr<Channel>> channels;
    std::vector<std::unique_ptr<FavoriteGroup>> groups;
    struct List
    {
        QList<Channel *> channels;
        int tvCount = 0;
    };
    List mainList;
    std::vector<List> groupLists;
    quint64 highestId = 0;
};

template<typename T> T *objectAt(const std::vector<std::unique_ptr<T>> &objects, int position)
{
    return position >= 0 ? objects.at(size_t(position)).get() : nullptr;
}

template<typename T> T *objectAt(const QList<T *> &objects, int position)
{
    return position >= 0 ? objects.at(position) : nullptr;
}

template<typename Objects> auto *referenced(Reader &in, const Objects &objects)
{
    return objectAt(objects, in.reference(qsizetype(objects.size())));
}

// The records of each kind of object, written and read alike for a whole
// snapshot and for one object.

void writeSatellite(Writer &out, const Satellite *x)
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

void readSatellite(Reader &in, Satellite *x)
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

void writeTransponder(Writer &out, const Transponder *x, quint64 satellite)
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

template<typename Satellites> void readTransponder(Reader &in, Transponder *x, const Satellites &satellites)
{
    x->setSatellite(referenced(in, satellites));
    x->setPolarization(in.integer());
    x->setTransportStreamId(in.word());
    x->setNetworkId(in.word());
    x->setOriginalNetworkId(in.word());
    x->setFrequency(in.word());
    x->setSymbolRate(in.word());
    x->setReservedBytes(in.bytes());
}

// Providers and favourite groups: a name is all they have of their own.
void writeNamed(Writer &out, const NamedEditable *x)
{
    out.name(x->name(), x->rememberedName());
}

void readNamed(Reader &in, NamedEditable *x)
{
    in.name(x, [x](const QString &name) { x->setName(name); });
}

void writeChannel(Writer &out, const Channel *x, quint64 provider, quint64 transponder)
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

template<typename Providers, typename Transponders>
void readChannel(Reader &in, Channel *x, const Providers &providers, const Transponders &transponders)
{
    in.name(x, [x](const QString &name) { x->setName(name); });
    x->setProvider(referenced(in, providers));
    x->setTransponder(referenced(in, transponders));
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

// Reads a record of the kind given up to where the properties that refer to
// nothing begin.
bool readView(Reader &in, int type, SettingsSnapshot::RecordView &view)
{
    auto name = [&in, &view] {
        view.name = in.textBytes();
        in.skipRememberedName();
    };
    auto position = [&in] { return in.reference(std::numeric_limits<int>::max()); };
    switch (type) {
    case SatelliteType:
    case ProviderType:
    case FavoriteGroupType:
        name();
        break;
    case TransponderType:
        view.owner = position();
        break;
    case ChannelType:
        name();
        view.owner = position();
        view.transponder = position();
        break;
    default:
        return false;
    }
    return !in.failed();
}

// The main list holds the first count channels in their order.
Content::List readMainList(Reader &in, const Content &content)
{
    Content::List list;
    const qsizetype count = in.bounded<qsizetype>(content.channels.size());
    list.tvCount = in.bounded<int>(quint64(count));
    list.channels.reserve(count);
    for (qsizetype i = 0; i < count && !in.failed(); ++i)
        list.channels.append(content.channels.at(size_t(i)).get());
    return list;
}

Content::List readGroupList(Reader &in, const Content &content)
{
    Content::List list;
    const qsizetype count = in.count();
    list.tvCount = in.bounded<int>(quint64(count));
    list.channels.reserve(count);
    for (qsizetype i = 0; i < count && !in.failed(); ++i) {
        const qsizetype number = in.index(qsizetype(content.channels.size()));
        list.channels.append(in.failed() ? nullptr : content.channels.at(size_t(number)).get());
    }
    if (list.channels.contains(nullptr))
        in.fail();
    return list;
}

// Damaged bytes could leave a channel in no list, which nothing would ever
// delete, or put one into a list twice, which a list never holds.
bool everyChannelHeldOnce(const Content &content)
{
    QSet<const Channel *> held(content.mainList.channels.cbegin(), content.mainList.channels.cend());
    for (const Content::List &list : content.groupLists) {
        const QSet<const Channel *> members(list.channels.cbegin(), list.channels.cend());
        if (members.size() != list.channels.size())
            return false;
        held.unite(members);
    }
    return held.size() == qsizetype(content.channels.size());
}

} // namespace

// Gives the snapshot the store's internals it reads and replaces.
class SettingsSnapshot::Access
{
public:
    static void write(const Settings &s, Writer &out, Records *records);
    static bool read(Reader &in, Content &content, Records *records);
    static void install(Settings &s, Content &content);
};

SettingsSnapshot SettingsSnapshot::capture(const Settings &settings, Records *records)
{
    QByteArray data;
    // About 55 bytes a channel for a typical file: one allocation mostly.
    data.reserve(60 * settings.mainChannelList().count() + 16 * settings.transponders().size() + 4096);
    data.append(FormatTag);
    data.append(FormatVersion);
    {
        Writer out(data);
        Access::write(settings, out, records);
    }
    // Snapshots are kept by the hundred: none keeps the slack of the reserve.
    data.squeeze();
    return SettingsSnapshot(std::move(data));
}

void SettingsSnapshot::Access::write(const Settings &s, Writer &out, Records *records)
{
    QList<Channel *> groupOnly;
    QSet<const Channel *> seen;
    for (const FavoriteGroup *group : s.m_favoriteGroups) {
        for (Channel *channel : s.m_groupLists.value(group)->channels()) {
            if (!s.m_channelList.contains(channel) && !seen.contains(channel)) {
                seen.insert(channel);
                groupOnly.append(channel);
            }
        }
    }
    const ChannelNumbers channelNumber(s.m_channelList, groupOnly);
    const auto satellites = positionsOf(s.m_satellites);
    const auto transponders = positionsOf(s.m_transponders);
    const auto providers = positionsOf(s.m_providers);
    auto record = [&out, records](const Editable *x, const auto &writeRecord) {
        out.id(x->id());
        const qsizetype begin = out.size();
        writeRecord();
        if (records)
            records->push_back({ x->id(), begin, out.size() });
    };

    if (records)
        records->reserve(size_t(s.m_satellites.size() + s.m_transponders.size() + s.m_providers.size()
            + s.m_channelList.count() + groupOnly.size() + s.m_favoriteGroups.size()));
    out.number(quint64(s.m_satellites.size()));
    for (const Satellite *x : s.m_satellites)
        record(x, [&] { writeSatellite(out, x); });
    out.number(quint64(s.m_transponders.size()));
    for (const Transponder *x : s.m_transponders) {
        record(x, [&] {
            writeTransponder(out, x, referenceTo(satellites, static_cast<const Satellite *>(x->satellite())));
        });
    }
    out.number(quint64(s.m_providers.size()));
    for (const Provider *x : s.m_providers)
        record(x, [&] { writeNamed(out, x); });
    const QList<Channel *> channels = s.m_channelList.channels() + groupOnly;
    out.number(quint64(channels.size()));
    for (const Channel *x : channels) {
        record(x, [&] {
            writeChannel(out, x, referenceTo(providers, static_cast<const Provider *>(x->provider())),
                referenceTo(transponders, static_cast<const Transponder *>(x->transponder())));
        });
    }
    out.number(quint64(s.m_channelList.count()));
    out.number(quint64(s.m_channelList.tvCount()));
    out.number(quint64(s.m_favoriteGroups.size()));
    for (const FavoriteGroup *x : s.m_favoriteGroups) {
        record(x, [&] { writeNamed(out, x); });
        writeGroupList(out, *s.m_groupLists.value(x), channelNumber);
    }
}

bool SettingsSnapshot::restore(Settings &settings, Records *records) const
{
    if (m_data.size() < 2 || m_data.at(0) != FormatTag || m_data.at(1) != FormatVersion)
        return false;
    Reader in(m_data, 2);
    Content content;
    Records read;
    if (!Access::read(in, content, records ? &read : nullptr))
        return false;
    Access::install(settings, content);
    if (records)
        *records = std::move(read);
    return true;
}

bool SettingsSnapshot::Access::read(Reader &in, Content &c, Records *records)
{
    auto make = [&in, &c](auto &objects) {
        using T = typename std::remove_reference_t<decltype(objects)>::value_type::element_type;
        objects.push_back(std::make_unique<T>());
        T *object = objects.back().get();
        object->m_id = in.id();
        c.highestId = std::max(c.highestId, object->m_id);
        return object;
    };
    auto record = [&in, records](const Editable *x, const auto &readRecord) {
        const qsizetype begin = in.position();
        readRecord();
        if (records)
            records->push_back({ x->id(), begin, in.position() });
    };
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i) {
        Satellite *x = make(c.satellites);
        record(x, [&] { readSatellite(in, x); });
    }
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i) {
        Transponder *x = make(c.transponders);
        record(x, [&] { readTransponder(in, x, c.satellites); });
    }
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i) {
        Provider *x = make(c.providers);
        record(x, [&] { readNamed(in, x); });
    }
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i) {
        Channel *x = make(c.channels);
        record(x, [&] { readChannel(in, x, c.providers, c.transponders); });
    }
    c.mainList = readMainList(in, c);
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i) {
        FavoriteGroup *x = make(c.groups);
        record(x, [&] { readNamed(in, x); });
        c.groupLists.push_back(readGroupList(in, c));
    }
    return !in.failed() && in.atEnd() && everyChannelHeldOnce(c);
}

void SettingsSnapshot::Access::install(Settings &s, Content &c)
{
    s.deleteContent();
    Editable::reserveIdsUpTo(c.highestId);
    auto adopt = [&s](auto &objects, auto &list) {
        list.reserve(qsizetype(objects.size()));
        for (auto &object : objects) {
            s.watch(object.get());
            list.append(object.release());
        }
    };
    adopt(c.satellites, s.m_satellites);
    adopt(c.transponders, s.m_transponders);
    adopt(c.providers, s.m_providers);
    for (auto &channel : c.channels)
        s.watch(channel.release());
    s.m_channelList.assign(c.mainList.channels, c.mainList.tvCount);
    for (size_t i = 0; i < c.groups.size(); ++i) {
        FavoriteGroup *group = c.groups.at(i).release();
        ChannelList *list = s.addGroupList(group);
        list->assign(c.groupLists.at(i).channels, c.groupLists.at(i).tvCount);
        s.watch(group);
    }
    s.announceAllLists();
}

QByteArray SettingsSnapshot::captureRecord(const Settings &s, const Editable &object)
{
    auto referenceOf = [](const auto &list, const auto *x) { return quint64(list.indexOf(x) + 1); };
    QByteArray bytes;
    {
        Writer out(bytes);
        switch (object.typeCode()) {
        case SatelliteType:
            writeSatellite(out, static_cast<const Satellite *>(&object));
            break;
        case TransponderType: {
            const auto *x = static_cast<const Transponder *>(&object);
            writeTransponder(out, x, referenceOf(s.m_satellites, x->satellite()));
            break;
        }
        case ProviderType:
        case FavoriteGroupType:
            writeNamed(out, static_cast<const NamedEditable *>(&object));
            break;
        case ChannelType: {
            const auto *x = static_cast<const Channel *>(&object);
            writeChannel(out, x, referenceOf(s.m_providers, x->provider()),
                referenceOf(s.m_transponders, x->transponder()));
            break;
        }
        default:
            break;
        }
    }
    // Steps keep records by the hundred: none keeps the writer's slack.
    bytes.squeeze();
    return bytes;
}

bool SettingsSnapshot::applyRecord(const Settings &s, Editable &object, QByteArrayView record)
{
    const QByteArray bytes = QByteArray::fromRawData(record.data(), record.size());
    Reader in(bytes);
    switch (object.typeCode()) {
    case SatelliteType:
        readSatellite(in, static_cast<Satellite *>(&object));
        break;
    case TransponderType:
        readTransponder(in, static_cast<Transponder *>(&object), s.m_satellites);
        break;
    case ProviderType:
    case FavoriteGroupType:
        readNamed(in, static_cast<NamedEditable *>(&object));
        break;
    case ChannelType:
        readChannel(in, static_cast<Channel *>(&object), s.m_providers, s.m_transponders);
        break;
    default:
        return false;
    }
    return !in.failed() && in.atEnd();
}

std::optional<SettingsSnapshot> SettingsSnapshot::fromBytes(const QByteArray &bytes)
{
    if (bytes.size() < 2 || bytes.at(0) != FormatTag || bytes.at(1) != FormatVersion)
        return std::nullopt;
    return SettingsSnapshot(bytes);
}

SettingsSnapshot SettingsSnapshot::withRecords(
    Records &records, const QHash<quint64, QByteArray> &replacements) const
{
    QByteArray data;
    data.reserve(m_data.size() + 64 * replacements.size());
    qsizetype copied = 0;
    for (Record &record : records) {
        const auto replacement = replacements.constFind(record.id);
        const qsizetype keptUpTo = replacement == replacements.cend() ? record.end : record.begin;
        data.append(m_data.constData() + copied, keptUpTo - copied);
        copied = record.end;
        if (replacement != replacements.cend()) {
            record.begin = data.size();
            data.append(*replacement);
        } else {
            record.begin = data.size() - (record.end - record.begin);
        }
        record.end = data.size();
    }
    data.append(m_data.constData() + copied, m_data.size() - copied);
    data.squeeze();
    return SettingsSnapshot(std::move(data));
}

std::optional<SettingsSnapshot::RecordView> SettingsSnapshot::viewRecord(int type, QByteArrayView record)
{
    const QByteArray bytes = QByteArray::fromRawData(record.data(), record.size());
    Reader in(bytes);
    RecordView view;
    if (!readView(in, type, view))
        return std::nullopt;
    view.properties = record.sliced(in.position());
    return view;
}

bool SettingsSnapshot::visit(const Records &records, Visitor &visitor) const
{
    if (m_data.size() < 2 || m_data.at(0) != FormatTag || m_data.at(1) != FormatVersion)
        return false;
    Reader in(m_data, 2);
    auto next = records.cbegin();
    // The record's positions must refer to objects met before it.
    auto object = [&](int type, qsizetype owners, qsizetype transponders) {
        const quint64 id = in.id();
        RecordView view;
        if (in.failed() || next == records.cend() || next->id != id || next->begin != in.position()
            || next->end > m_data.size() || !readView(in, type, view) || in.position() > next->end
            || view.owner >= owners || view.transponder >= transponders) {
            in.fail();
            return;
        }
        view.properties = QByteArrayView(m_data).sliced(in.position(), next->end - in.position());
        in.seek(next->end);
        ++next;
        visitor.object(type, id, view);
    };
    qsizetype satellites = 0;
    qsizetype transponders = 0;
    qsizetype providers = 0;
    qsizetype channels = 0;
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i, ++satellites)
        object(SatelliteType, 0, 0);
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i, ++transponders)
        object(TransponderType, satellites, 0);
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i, ++providers)
        object(ProviderType, 0, 0);
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i, ++channels)
        object(ChannelType, providers, transponders);
    const auto mainCount = in.bounded<qsizetype>(quint64(channels));
    in.number(); // how many of them are TV channels
    if (in.failed())
        return false;
    visitor.mainList(mainCount);
    for (qsizetype i = in.count(); i > 0 && !in.failed(); --i) {
        object(FavoriteGroupType, 0, 0);
        QList<qsizetype> members(in.count());
        in.number();
        for (qsizetype &member : members)
            member = in.index(channels);
        if (!in.failed())
            visitor.groupList(members);
    }
    return !in.failed() && in.atEnd() && next == records.cend();
}
