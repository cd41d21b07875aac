// Feeds arbitrary bytes through recognition, load, edits, save and a second
// load of both receiver models, and checks that a saved file is saved again
// byte for byte: what the editor writes it must read back as itself.
//
// The input is a list of patches laid into a blank image of each model, so
// that short inputs reach every table: each patch is one byte naming a
// region, a 16-bit little-endian offset into it, a length byte and that many
// bytes. The five header counts are the first ten bytes of region 0. A
// region byte of 0xFE ends the patches; what follows is a script of renames
// and edits made before the first save.

#include "fuzzedits.h"
#include "fuzzinput.h"
#include "memoryfile.h"
#include "recognizesettings.h"
#include "settings.h"
#include "settingskelmora2xx.h"
#include "settingskelmorahd.h"

#include <QByteArray>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace {

constexpr int CappedCount = 300;
constexpr uint8_t EndOfPatches = 0xFE;

// Where the edit script starts: after the patch that ends the patches.
size_t patchesEnd(const uint8_t *data, size_t size)
{
    size_t at = 0;
    while (at + 4 <= size && data[at] != EndOfPatches)
        at += 4 + data[at + 3];
    return std::min(at, size);
}

QByteArray imageFrom(const uint8_t *data, size_t size, const KelmoraLayout &layout)
{
    const size_t edits = patchesEnd(data, size);
    QByteArray image(layout.fileSize, '\0');
    image.replace(0, 8, "DIZODIDO");
    const int regions[] = {
        layout.satelliteCountOffset,
        layout.satelliteTableOffset,
        layout.channelTableOffset,
        layout.favoriteGroupTableOffset,
        layout.transponderTableOffset,
        layout.providerTableOffset,
        8,
    };
    size_t at = 0;
    while (at + 4 <= edits) {
        const int region = regions[data[at] % std::size(regions)];
        const int offset = region + (data[at + 1] | (data[at + 2] << 8));
        const size_t length = std::min<size_t>(data[at + 3], edits - at - 4);
        at += 4;
        for (size_t i = 0; i < length && offset + int(i) < image.size(); ++i)
            image[offset + int(i)] = char(data[at + i]);
        at += length;
    }
    // A full table makes a run a hundred times slower, so most runs cap the
    // header counts and spend their time on the records instead; inputs that
    // start with 0xFF keep the counts as given.
    if (size == 0 || data[0] != 0xFF) {
        for (int offset = layout.satelliteCountOffset; offset < layout.satelliteCountOffset + 10;
             offset += 2) {
            const int count = quint8(image.at(offset)) | (quint8(image.at(offset + 1)) << 8);
            image[offset] = char(count % CappedCount);
            image[offset + 1] = char((count % CappedCount) >> 8);
        }
    }
    return image;
}

QByteArray saveOf(Settings *settings, MemoryFile &memory)
{
    QFile file;
    memory.open(file, 0);
    const qint64 written = settings->save(&file);
    if (written < 0) {
        file.close();
        return QByteArray();
    }
    file.seek(0);
    return file.readAll();
}

Settings *loadFrom(const QByteArray &bytes, MemoryFile &memory)
{
    QFile file;
    memory.open(file, bytes.size());
    if (file.write(bytes) != bytes.size() || !file.seek(0))
        std::abort();
    return recognizeSettings(&file);
}

void check(const uint8_t *data, size_t size, const KelmoraLayout &layout)
{
    static MemoryFile memory;
    const QByteArray image = imageFrom(data, size, layout);

    Settings *first = loadFrom(image, memory);
    if (!first) // magic and size are right, so the image must load
        std::abort();
    const size_t edits = std::min(patchesEnd(data, size) + 1, size);
    FuzzInput script(data + edits, size - edits);
    applyFuzzEdits(*first, script);
    const QByteArray saved = saveOf(first, memory);
    delete first;
    // Whatever a file holds when loaded fits the tables it came from.
    if (saved.size() != layout.fileSize)
        std::abort();

    Settings *second = loadFrom(saved, memory);
    if (!second)
        std::abort();
    const QByteArray savedAgain = saveOf(second, memory);
    delete second;
    if (savedAgain != saved)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    check(data, size, SettingsKelmora2XX::modelValues);
    check(data, size, SettingsKelmoraHD::modelValues);
    return 0;
}
