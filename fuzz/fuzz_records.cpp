// Decodes one record of each kind at its place in either receiver model's
// image, applies random renames and edits, saves, loads the saved file and
// saves it again: both saves must give the same bytes. With so few records
// a run is hundreds of times faster than one over whole files.
//
// The input: a byte choosing the model and which header counts are zero,
// then the bytes of a satellite, a transponder, a provider and a channel
// record and the start of the first favourite group, each as long as its
// record (the input's end leaves zeros), then a script of edits.

#include "formats/settingskelmora.h"
#include "formats/settingskelmora2xx.h"
#include "formats/settingskelmorahd.h"
#include "fuzzedits.h"
#include "fuzzinput.h"
#include "fuzzsave.h"
#include "reusedimage.h"

#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr int FavoriteGroupBytes = 64;

// Lays the input's header counts and records into a blank image.
void layRecords(QByteArray &image, const KelmoraLayout &l, FuzzInput &input)
{
    const uint8_t counts = input.byte();
    // A missing satellite, transponder or provider leaves references to it
    // dangling, which the load must survive.
    ReusedImage::setWord(image, l.satelliteCountOffset, counts & 0x02 ? 0 : 1);
    ReusedImage::setWord(image, l.transponderCountOffset, counts & 0x04 ? 0 : 1);
    ReusedImage::setWord(image, l.providerCountOffset, counts & 0x08 ? 0 : 1);
    ReusedImage::setWord(image, l.channelCountOffset, counts & 0x10 ? 0 : 1);
    ReusedImage::setWord(image, l.tvChannelCountOffset, (counts >> 5) & 0x03);
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

    layRecords(
        firstImage.blankAgain(ReusedImage::blank<Model>(), Model::modelValues), Model::modelValues, input);
    Model first;
    firstImage.loadInto(first);
    applyFuzzEdits(first, input);
    saveDiscarding(first);
    loadSavedAgain(first, firstImage);
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
