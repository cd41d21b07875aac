// Decodes one record of each kind at its place in either receiver model's
// image, applies random renames and edits, saves, loads the saved file and
// saves it again: both saves must give the same bytes. Only the used slots
// are touched, which makes a run hundreds of times faster than whole files.
//
// The input: a byte choosing the model and which header counts are zero,
// then the bytes of a satellite, a transponder, a provider and a channel
// record and the start of the first favourite group, each as long as its
// record (the input's end leaves zeros), then a script of edits.

#include "fuzzedits.h"
#include "fuzzinput.h"
#include "memoryfile.h"
#include "settingskelmora.h"
#include "settingskelmora2xx.h"
#include "settingskelmorahd.h"

#include <QFile>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

constexpr int FavoriteGroupBytes = 64;

// A store that leaves unused slots alone: its image is blank beyond the few
// records each run lays in, so clearing whole tables would only cost time.
template<typename Model> class RecordStore : public Model
{
protected:
    void clearSatellite(int) override { }
    void clearTransponder(int) override { }
    void clearProvider(int) override { }
    void clearChannel(int) override { }
};

void setWord(QByteArray &image, int offset, int value)
{
    image[offset] = char(value & 0xFF);
    image[offset + 1] = char(value >> 8);
}

// Lays the input's records into the model's blank image and hands it to a
// new store. The blank image is kept and the memory file keeps its size, so
// a run copies the image instead of allocating it again.
template<typename Model> std::unique_ptr<SettingsKelmora> loadRecords(FuzzInput &input, MemoryFile &memory)
{
    const KelmoraLayout &l = Model::modelValues;
    static QByteArray image = [] {
        QByteArray blank(Model::modelValues.fileSize, '\0');
        blank.replace(0, 8, "DIZODIDO");
        return blank;
    }();
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
    for (const auto &[offset, length] : records)
        image.replace(offset, length, input.bytes(size_t(length)).leftJustified(length, '\0'));

    auto settings = std::make_unique<RecordStore<Model>>();
    QFile file;
    memory.open(file, image.size());
    if (file.write(image) != image.size() || !file.seek(0) || !settings->load(&file))
        std::abort();
    return settings;
}

// Saves through the store's file code and loads the result into a new store.
template<typename Model>
std::unique_ptr<SettingsKelmora> saveAndReload(SettingsKelmora &settings, MemoryFile &memory)
{
    QFile file;
    memory.open(file, Model::modelValues.fileSize);
    // Edits never add objects, so the store always fits its tables.
    if (settings.save(&file) != Model::modelValues.fileSize || !file.seek(0))
        std::abort();
    auto reloaded = std::make_unique<RecordStore<Model>>();
    if (!reloaded->load(&file))
        std::abort();
    return reloaded;
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
    static MemoryFile memory;
    std::unique_ptr<SettingsKelmora> first = loadRecords<Model>(input, memory);
    applyFuzzEdits(*first, input);
    std::unique_ptr<SettingsKelmora> second = saveAndReload<Model>(*first, memory);
    QFile file;
    memory.open(file, Model::modelValues.fileSize);
    if (second->save(&file) < 0)
        std::abort();
    abortOnDifference(first->image(), second->image());
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
