// Feeds arbitrary bytes through the load, edits with their undo history,
// save and a second load of either receiver model, and checks that every
// save gives the bytes it must: undoing every step gives back the file as
// loaded, redoing them the file as edited, and a saved file is saved again
// byte for byte.
//
// The input is a list of patches laid into a blank image, so that short
// inputs reach every table: each patch is one byte naming a region (its low
// seven bits modulo 7), a 16-bit little-endian offset into it, a length byte and
// that many bytes. The first byte's top bit picks the HD model. The five
// header counts are the first ten bytes of region 0. A region byte of 0xFE
// ends the patches; what follows is a script of renames and edits, the
// first of them each an undo step of its own.

#include "commands/settingshistory.h"
#include "formats/settingskelmora2xx.h"
#include "formats/settingskelmorahd.h"
#include "fuzzedits.h"
#include "fuzzinput.h"
#include "fuzzsave.h"
#include "reusedimage.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

namespace {

// Enough records for every shape of a table and the references between
// them; a full table makes a run a hundred times slower.
constexpr int CappedCount = 64;
// Steps beyond these join the last one: each list-changing step is undone
// and redone by restoring the whole store.
constexpr int MaxSteps = 6;
constexpr uint8_t EndOfPatches = 0xFE;

// Where the edit script starts: after the patch that ends the patches.
size_t patchesEnd(const uint8_t *data, size_t size)
{
    size_t at = 0;
    while (at + 4 <= size && data[at] != EndOfPatches)
        at += 4 + data[at + 3];
    return std::min(at, size);
}

// Most runs cap the header counts and spend their time on the records;
// inputs that start with 0x7F (a 2XX) or 0xFF (an HD) keep the counts as given.
bool fullCounts(const uint8_t *data, size_t size)
{
    return size > 0 && (data[0] & 0x7F) == 0x7F;
}

void layPatches(QByteArray &image, const uint8_t *data, size_t size, const KelmoraLayout &layout)
{
    const size_t edits = patchesEnd(data, size);
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
        const int region = regions[(data[at] & 0x7F) % std::size(regions)];
        const int offset = region + (data[at + 1] | (data[at + 2] << 8));
        const size_t length = std::min<size_t>(data[at + 3], edits - at - 4);
        at += 4;
        for (size_t i = 0; i < length && offset + int(i) < image.size(); ++i)
            image[offset + int(i)] = char(data[at + i]);
        at += length;
    }
    if (!fullCounts(data, size)) {
        for (int offset = layout.satelliteCountOffset; offset < layout.satelliteCountOffset + 10; offset += 2)
            ReusedImage::setWord(image, offset,
                (quint8(image.at(offset)) | (quint8(image.at(offset + 1)) << 8)) % CappedCount);
    }
}

// The store's bytes as a save writes them. The save's tidying is a step of
// its own, as in the window.
const QByteArray &saved(SettingsKelmora &settings, SettingsHistory &history)
{
    saveDiscarding(settings);
    history.commitAs(QStringLiteral("Tidy for Saving"));
    return settings.image();
}

// Edits the store as the script says, then undoes every step and redoes
// them all: each end must save as it did before.
void editUndoAndRedo(SettingsKelmora &settings, FuzzInput &script)
{
    static ReusedImage loaded;
    static ReusedImage edited;
    SettingsHistory history;
    history.setSettings(&settings);
    const QByteArray &loadedBytes = loaded.copyOf(saved(settings, history));
    // After the load's tidying, which saving again leaves as it is.
    const int start = history.stack()->index();
    int steps = 0;
    applyFuzzEdits(settings, script, [&history, &steps] {
        if (++steps < MaxSteps)
            history.commitPending();
    });
    const QByteArray &editedBytes = edited.copyOf(saved(settings, history));
    history.commitPending();
    while (history.stack()->index() > start)
        history.undo();
    abortOnDifference("Undoing every step", loadedBytes, saved(settings, history));
    while (history.stack()->canRedo())
        history.redo();
    abortOnDifference("Redoing every step", editedBytes, saved(settings, history));
}

template<typename Model> void check(const uint8_t *data, size_t size)
{
    static ReusedImage firstImage;

    QByteArray &image = firstImage.copyOf(ReusedImage::blank<Model>());
    layPatches(image, data, size, Model::modelValues);
    Model first;
    firstImage.loadInto(first);
    const size_t edits = std::min(patchesEnd(data, size) + 1, size);
    FuzzInput script(data + edits, size - edits);
    // Undo steps of full tables would restore thousands of objects each;
    // the history meets every shape of record in the capped runs.
    if (fullCounts(data, size)) {
        applyFuzzEdits(first, script);
        saveDiscarding(first);
    } else {
        editUndoAndRedo(first, script);
    }

    // Whatever a file holds when loaded fits the tables it came from.
    loadSavedAgain(first, firstImage);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 0 && (data[0] & 0x80))
        check<SettingsKelmoraHD>(data, size);
    else
        check<SettingsKelmora2XX>(data, size);
    return 0;
}
