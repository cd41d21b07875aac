// Decodes one record of each kind at its place in either receiver model's
// image, applies random renames and edits, saves, loads the saved file and
// saves it again: both saves must give the same bytes. With so few records
// a run is hundreds of times faster than one over whole files.
//
// The input: a byte choosing the model and which header counts are zero,
// then the bytes of a satellite, a transponder, a provider and a channel
// record and the start of the first favourite group, each as long as its
// record (the input's end leaves zeros), then a script of edits.

#include "fuzzedits.h"
#include "fuzzinput.h"
#include "settingskelmora.h"
#include "settingskelmora2xx.h"
#include "settingskelmorahd.h"

#include <QFile>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

constexpr int FavoriteGroupBytes = 64;

// A whole image that moves into a store for a run and back out after it, so
// that runs do not allocate images: under ASan every block this large is
// mapped afresh, and faulting in its pages cost more than the rest of a run.
class ReusedImage
{
public:
    // Only while no store holds the image.
    QByteArray &copyOf(const QByteArray &bytes)
    {
        m_bytes.resize(bytes.size());
        std::memcpy(m_bytes.data(), bytes.constData(), size_t(bytes.size()));
        return m_bytes;
    }
    // Like copyOf(blank), copying only the header, the first slot of each
    // table and the favourite groups: the only places a run lays records
    // in, and the only ones a store holding at most one record of each kind
    // (edits never add one) reads. A save writes nothing else but zeros, so the rest stays blank.
    QByteArray &blankAgain(const QByteArray &blank, const KelmoraLayout &l)
    {
        if (m_bytes.size() != blank.size())
            return copyOf(blank);
        for (const auto &[offset, length] : placesOfRecords(l))
            std::memcpy(m_bytes.data() + offset, blank.constData() + offset, size_t(length));
        return m_bytes;
    }
    // The store becomes the image's only holder, so that its save writes
    // into it instead of into a copy.
    void loadInto(SettingsKelmora &settings)
    {
        if (!settings.loadImage(std::exchange(m_bytes, QByteArray())))
            std::abort();
    }
    // Before the store goes, which leaves the image to this one again.
    void takeBackFrom(const SettingsKelmora &settings) { m_bytes = settings.image(); }

private:
    static std::array<std::pair<int, int>, 6> placesOfRecords(const KelmoraLayout &l)
    {
        const int header = std::min({ l.satelliteTableOffset, l.transponderTableOffset, l.providerTableOffset,
            l.channelTableOffset, l.favoriteGroupTableOffset });
        return { {
            { 0, header },
            { l.satelliteTableOffset, l.satelliteRecordSize },
            { l.transponderTableOffset, l.transponderRecordSize },
            { l.providerTableOffset, l.providerRecordSize },
            { l.channelTableOffset, l.channelRecordSize },
            { l.favoriteGroupTableOffset, l.favoriteGroupRecordSize * l.favoriteGroupCount },
        } };
    }

    QByteArray m_bytes;
};

void setWord(QByteArray &image, int offset, int value)
{
    image[offset] = char(value & 0xFF);
    image[offset + 1] = char(value >> 8);
}

template<typename Model> const QByteArray &blankImage()
{
    static const QByteArray blank = [] {
        QByteArray image(Model::modelValues.fileSize, '\0');
        image.replace(0, 8, "DIZODIDO");
        return image;
    }();
    return blank;
}

// Lays the input's header counts and records into a blank image.
void layRecords(QByteArray &image, const KelmoraLayout &l, FuzzInput &input)
{
    const uint8_t counts = input.byte();
    // A missing satellite, transponder or provider leaves references to it
    // dangling, which the load must survive.
    setWord(image, l.satelliteCountOffset, counts & 0x02 ? 0 : 1);
    setWord(image, l.transponderCountOffset, counts & 0x04 ? 0 : 1);
    setWord(image, l.providerCountOffset, counts & 0x08 ? 0 : 1);
    setWord(image, l.channelCountOffset, counts & 0x10 ? 0 : 1);
    setWord(image, l.tvChannelCountOffset, (counts >> 5) & 0x03);
    const std::pair<int, int> records[] = {
        { l.satelliteTableOffset, l.satelliteRecordSize },
        { l.transponderTableOffset, l.transponderRecordSize },
        { l.providerTableOffset, l.providerRecordSize },
        { l.channelTableOffset, l.channelRecordSize },
        { l.favoriteGroupTableOffset, FavoriteGroupBytes },
    };
    for (const auto &[offset, length] : records) {
        const QByteArray bytes = input.bytes(size_t(length));
        std::memcpy(image.data() + offset, bytes.constData(), size_t(bytes.size()));
    }
}

// Saves through the store's file code into a device that keeps nothing:
// the saved bytes are the store's image, and copying them into a file would
// cost more than encoding the records. Edits never add objects, so the
// store always fits its tables.
void save(SettingsKelmora &settings)
{
    static QFile discard(QStringLiteral("/dev/null"));
    if (!discard.isOpen() && !discard.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        std::abort();
    if (settings.save(&discard) != settings.image().size())
        std::abort();
}

// Says where two saves differ before stopping, so a finding can be read
// without a debugger.
void abortOnDifference(const QByteArray &saved, const QByteArray &savedAgain)
{
    if (saved == savedAgain)
        return;
    qsizetype at = 0;
    while (at < saved.size() && at < savedAgain.size() && saved.at(at) == savedAgain.at(at))
        ++at;
    std::fprintf(stderr, "The second save differs at offset 0x%llx: %s instead of %s\n", qlonglong(at),
        savedAgain.mid(at, 16).toHex(' ').constData(), saved.mid(at, 16).toHex(' ').constData());
    std::abort();
}

template<typename Model> void check(FuzzInput &input)
{
    static ReusedImage firstImage;
    static ReusedImage secondImage;

    layRecords(firstImage.blankAgain(blankImage<Model>(), Model::modelValues), Model::modelValues, input);
    Model first;
    firstImage.loadInto(first);
    applyFuzzEdits(first, input);
    save(first);

    Model second;
    secondImage.copyOf(first.image());
    secondImage.loadInto(second);
    save(second);
    abortOnDifference(first.image(), second.image());

    firstImage.takeBackFrom(first);
    secondImage.takeBackFrom(second);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    if (size > 0 && (data[0] & 1))
        check<SettingsKelmoraHD>(input);
    else
        check<SettingsKelmora2XX>(input);
    return 0;
}
