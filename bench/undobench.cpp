// The undo history: steps undone and redone through the history with the
// views following, and what recording a step costs.

#include "benchharness.h"
#include "openeditor.h"

#include "commands/settingshistory.h"
#include "model/channel.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "store/settings.h"

#include <cstring>

using namespace Bench;

namespace {

// Makes one step with prepare(), then times its undo (or its redo), with the
// views following, on one opened file; the other direction runs untimed.
void measureUndoOrRedo(
    benchmark::State &state, const Run &run, const std::function<void(OpenEditor &)> &step, bool timeUndo)
{
    OpenEditor editor(run.path, run.sortedByName);
    step(editor);
    settle();
    editor.history()->commitPending();
    SettingsHistory *history = editor.history();
    for (auto _ : state) {
        for (const bool undo : { timeUndo, !timeUndo }) {
            if (undo != timeUndo)
                state.PauseTiming();
            undo ? history->undo() : history->redo();
            settle();
            if (undo != timeUndo)
                state.ResumeTiming();
        }
    }
}

void registerUndoRedo()
{
    using Step = std::function<void(OpenEditor &)>;
    const std::pair<const char *, Step> steps[] = {
        { "a satellite with a third of the transponders deleted",
            [](OpenEditor &editor) {
                editor.settings->removeEditables({ editor.settings->satellites().first() });
            } },
        { "a tenth of the channels dropped onto a channel",
            [](OpenEditor &editor) {
                const QList<Channel *> channels = editor.settings->channels();
                QList<Editable *> dragged;
                for (int i = 0; i < channels.size() / 10; ++i)
                    dragged.append(channels.at(channels.size() - 1 - 5 * i));
                editor.settings->dropEditables(
                    dragged, channels.at(channels.size() / 10), editor.settings->satellitesRoot());
            } },
        { "one channel renamed",
            [](OpenEditor &editor) {
                editor.settings->channels()
                    .at(editor.settings->channels().size() / 2)
                    ->setName(QStringLiteral("Renamed"));
            } },
    };
    for (const auto &[what, step] : steps) {
        for (const bool undo : { true, false }) {
            const std::string name = std::string(undo ? "undo " : "redo ") + what;
            registerOperation(
                name.c_str(),
                [what = what, step = step, undo](benchmark::State &state, const Run &run) {
                    Run used = run;
                    // The satellite step needs the file whose first satellite is crowded.
                    if (std::strstr(what, "satellite"))
                        used.path = fileWithCrowdedFirstSatellite(run.path);
                    measureUndoOrRedo(state, used, step, undo);
                },
                Setup::Shared, Sorting::ByIdOnly);
        }
    }
}

KELMORA_BENCHMARKS(registerHistory)
{
    registerUndoRedo();

    // What the history adds to any edit: capturing the store, comparing it
    // with the state before and naming the step; no window.
    registerOperation(
        "history step for one rename, store alone", [](benchmark::State &state, const Run &run) {
            const auto settings = loadedStore(run.path);
            SettingsHistory history;
            history.setSettings(settings.get());
            Channel *channel = settings->channels().at(settings->channels().size() / 2);
            int round = 0;
            for (auto _ : state) {
                channel->setName(QStringLiteral("Renamed %1").arg(++round));
                history.commitPending();
            }
        });
}

} // namespace
