// Reading and writing a file: the floor (the records decoded into plain
// structs), the store loaded and saved, the window opening a file over the
// open one, and what a recovery copy costs the GUI thread.

#include "benchharness.h"
#include "openeditor.h"
#include "plainsettingsdecoder.h"

#include "formats/recognizesettings.h"
#include "recovery/recoverykeeper.h"
#include "store/settings.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Bench;

namespace {

KELMORA_BENCHMARKS(registerLoadAndSave)
{
    registerOperation("floor", [](benchmark::State &state, const Run &run) {
        const PlainSettingsDecoder decoder(*run.model.layout, run.model.hd);
        const std::string name = run.path.toStdString();
        for (auto _ : state) {
            PlainSettingsDecoder::Result result;
            if (!decoder.decodeFile(name, result))
                state.SkipWithError("cannot read the file");
            benchmark::DoNotOptimize(result);
        }
    });

    registerOperation("load", [](benchmark::State &state, const Run &run) {
        for (auto _ : state) {
            QFile file(run.path);
            if (!file.open(QIODevice::ReadOnly))
                state.SkipWithError("cannot open the file");
            std::unique_ptr<Settings> settings(recognizeSettings(&file));
            benchmark::DoNotOptimize(settings.get());
            state.PauseTiming();
            settings.reset();
            state.ResumeTiming();
        }
    });

    registerOperation("save", [](benchmark::State &state, const Run &run) {
        const auto settings = loadedStore(run.path);
        const QString target = folderPath(QStringLiteral("saved.si"));
        for (auto _ : state) {
            QFile file(target);
            if (!file.open(QIODevice::WriteOnly) || settings->save(&file) <= 0)
                state.SkipWithError("cannot save");
        }
    });

    registerOperation(
        "open over an open file",
        [](benchmark::State &state, const Run &run) {
            measureOnOpenEditor(
                state, run, [](OpenEditor &) {}, [&run](OpenEditor &editor, int) { editor.open(run.path); });
        },
        Setup::Shared, Sorting::AlsoByName);

    // Taking the snapshot and handing it to the worker; the write itself,
    // waited for outside the measurement, runs on the worker thread.
    registerOperation("recovery copy, GUI thread", [](benchmark::State &state, const Run &run) {
        const auto settings = loadedStore(run.path);
        QTemporaryDir folder;
        RecoveryKeeper keeper(folder.path());
        keeper.track(settings.get(), run.path);
        for (auto _ : state) {
            keeper.writeNow();
            state.PauseTiming();
            keeper.waitForWorker();
            state.ResumeTiming();
        }
        keeper.discard();
    });
}

} // namespace
