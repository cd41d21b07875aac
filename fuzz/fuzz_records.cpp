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
#include "fuzzsave.h"
#include "reusedimage.h"
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

template<typename Model> void check(FuzzInput &input)
{
    static ReusedImage firstImage;
    static ReusedImage secondImage;

    layRecords(firstImage.blankAgain(blankImage<Model>(), Model::modelValues), Model::modelValues, input);
    Model first;
    firstImage.loadInto(first);
    applyFuzzEdits(first, input);
    saveDiscarding(first);

    Model second;
    secondImage.copyOf(first.image());
    secondImage.loadInto(second);
    saveDiscarding(second);
    abortOnDifference("The second save", first.image(), second.image());

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
