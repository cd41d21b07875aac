// The undo history: steps of each kind undone and redone through the
// history with the views following, and what recording a step costs.

#include "benchharness.h"
#include "openeditor.h"

#include "commands/settingshistory.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "reference/applyreferenceorder.h"
#include "reference/referencelist.h"
#include "store/settings.h"

#include <vector>

using namespace Bench;

namespace {

// One kind of user action. `change` makes it on an open editor and leaves
// it unrecorded: the history records at the end of the event-loop turn, and
// no events are processed after the change.
struct StepKind
{
    const char *what;
    // The satellite delete needs the file whose first satellite is crowded.
    bool crowded;
    std::function<void(OpenEditor &, const Run &)> change;
};

void dropTenthOntoChannel(OpenEditor &editor, const Run &)
{
    const QList<Channel *> channels = editor.settings->channels();
    QList<Editable *> dragged;
    for (int i = 0; i < channels.size() / 10; ++i)
        dragged.append(channels.at(channels.size() - 1 - 5 * i));
    editor.settings->dropEditables(
        dragged, channels.at(channels.size() / 10), editor.settings->satellitesRoot());
}

// A group can hold 400 channels at full capacity, so the largest drop onto
// a group is its whole room, into the group emptied first (a step of its own).
void dropRoomOntoGroup(OpenEditor &editor, const Run &run)
{
    Settings *settings = editor.settings;
    FavoriteGroup *group = settings->favoriteGroups().first();
    settings->removeChannels(group, settings->channelsOf(group));
    editor.show(group);
    settle();
    const QList<Channel *> channels = settings->channels();
    QList<Editable *> dragged;
    for (int i = 0; i < int(400 * run.fraction); ++i)
        dragged.append(channels.at(channels.size() - 1 - i));
    settings->dropEditables(dragged, group, nullptr);
}

const std::vector<StepKind> &stepKinds()
{
    static const std::vector<StepKind> kinds = {
        { "a satellite with a third of the transponders deleted", true,
            [](OpenEditor &editor, const Run &) {
                editor.settings->removeEditables({ editor.settings->satellites().first() });
            } },
        { "a tenth of the channels dropped onto a channel", false, dropTenthOntoChannel },
        { "a group's room dropped onto a group", false, dropRoomOntoGroup },
        { "the order of a reversed reference applied", false,
            [](OpenEditor &editor, const Run &) {
                applyReferenceOrder(*editor.settings, reversedReference(*editor.settings));
            } },
        { "one channel renamed", false,
            [](OpenEditor &editor, const Run &) {
                editor.settings->channels()
                    .at(editor.settings->channels().size() / 2)
                    ->setName(QStringLiteral("Renamed"));
            } },
        { "one channel deleted", false,
            [](OpenEditor &editor, const Run &) {
                selectRows(editor.table, 1);
                editor.pressKey(Qt::Key_Delete);
            } },
    };
    return kinds;
}

Run runFor(const StepKind &kind, const Run &run)
{
    Run used = run;
    if (kind.crowded)
        used.path = fileWithCrowdedFirstSatellite(run.path);
    return used;
}

// Makes one step, then times its undo (or its redo), with the views
// following, on one opened file; the other direction runs untimed.
void measureUndoOrRedo(benchmark::State &state, const Run &run, const StepKind &kind, bool timeUndo)
{
    OpenEditor editor(run.path, run.sortedByName);
    kind.change(editor, run);
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

// Times only the history's commit of a change made just before, on a
// freshly opened file each time: what recording the step adds to the action.
void measureRecording(benchmark::State &state, const Run &run, const StepKind &kind)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<OpenEditor>(run.path, run.sortedByName);
        kind.change(*editor, run);
        state.ResumeTiming();
        editor->history()->commitPending();
        state.PauseTiming();
        settle();
        editor.reset();
        state.ResumeTiming();
    }
}

KELMORA_BENCHMARKS(registerHistory)
{
    for (const StepKind &kind : stepKinds()) {
        for (const bool undo : { true, false }) {
            const std::string name = std::string(undo ? "undo " : "redo ") + kind.what;
            registerOperation(name.c_str(), [&kind, undo](benchmark::State &state, const Run &run) {
                measureUndoOrRedo(state, runFor(kind, run), kind, undo);
            });
        }
    }
    for (const StepKind &kind : stepKinds()) {
        const std::string name = std::string("history step for ") + kind.what;
        registerOperation(
            name.c_str(),
            [&kind](benchmark::State &state, const Run &run) {
                measureRecording(state, runFor(kind, run), kind);
            },
            Setup::FreshEachRun);
    }

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
