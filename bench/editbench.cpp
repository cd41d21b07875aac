// Edits through the window on a full file: deletes, drops, renames and a
// channel switched between TV and radio, with the views following and the
// step recorded.

#include "benchharness.h"
#include "openeditor.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"

using namespace Bench;

namespace {

void registerDeletes()
{
    registerOperation(
        "delete half the channels in the table",
        [](benchmark::State &state, const Run &run) {
            measureOnFreshEditor(
                state, run,
                [](OpenEditor &editor) {
                    selectRows(editor.table, int(editor.settings->channels().size()) / 2);
                },
                [](OpenEditor &editor) { editor.pressKey(Qt::Key_Delete); });
        },
        Setup::FreshEachRun, Sorting::AlsoByName);

    registerOperation(
        "Ctrl+A then Delete of every row",
        [](benchmark::State &state, const Run &run) {
            measureOnFreshEditor(
                state, run, [](OpenEditor &) {},
                [](OpenEditor &editor) {
                    editor.pressKey(Qt::Key_A, Qt::ControlModifier);
                    editor.pressKey(Qt::Key_Delete);
                });
        },
        Setup::FreshEachRun);

    registerOperation(
        "delete a provider with a quarter",
        [](benchmark::State &state, const Run &run) {
            Provider *provider = nullptr;
            measureOnFreshEditor(
                state, run,
                [&provider](OpenEditor &editor) {
                    provider = providerOwning(editor.settings, int(editor.settings->channels().size()) / 4);
                },
                [&provider](OpenEditor &editor) { editor.settings->removeEditables({ provider }); });
        },
        Setup::FreshEachRun, Sorting::AlsoByName);

    registerOperation(
        "delete a satellite with a third of the transponders",
        [](benchmark::State &state, const Run &run) {
            Satellite *satellite = nullptr;
            Run crowded = run;
            crowded.path = fileWithCrowdedFirstSatellite(run.path);
            measureOnFreshEditor(
                state, crowded,
                [&satellite](OpenEditor &editor) { satellite = editor.settings->satellites().first(); },
                [&satellite](OpenEditor &editor) { editor.settings->removeEditables({ satellite }); });
        },
        Setup::FreshEachRun, Sorting::AlsoByName);

    // The first row of the table selected and deleted by key, once a round,
    // with the Problems dock closed and then shown: the dock re-checks after
    // each delete, and should add little to it.
    for (const bool shown : { false, true }) {
        registerOperation(shown ? "delete one channel, Problems dock shown" : "delete one channel",
            [shown](benchmark::State &state, const Run &run) {
                OpenEditor editor(run.path);
                editor.showProblems(shown);
                settle();
                for (auto _ : state) {
                    selectRows(editor.table, 1);
                    editor.pressKey(Qt::Key_Delete);
                    settle();
                }
                // The window's remembered state must not carry the dock into later rows.
                editor.showProblems(false);
            });
    }
}

void registerDrops()
{
    registerOperation(
        "drop a tenth of the channels onto a channel",
        [](benchmark::State &state, const Run &run) {
            QList<Editable *> dragged;
            Editable *target = nullptr;
            measureOnFreshEditor(
                state, run,
                [&](OpenEditor &editor) {
                    const QList<Channel *> channels = editor.settings->channels();
                    dragged.clear();
                    for (int i = 0; i < channels.size() / 10; ++i)
                        dragged.append(channels.at(channels.size() - 1 - 5 * i));
                    target = channels.at(channels.size() / 10);
                },
                [&](OpenEditor &editor) {
                    editor.settings->dropEditables(dragged, target, editor.settings->satellitesRoot());
                });
        },
        Setup::FreshEachRun, Sorting::AlsoByName);

    registerOperation(
        "drop a group's room onto a group",
        [](benchmark::State &state, const Run &run) {
            QList<Editable *> dragged;
            FavoriteGroup *group = nullptr;
            measureOnFreshEditor(
                state, run,
                [&](OpenEditor &editor) {
                    Settings *settings = editor.settings;
                    group = settings->favoriteGroups().first();
                    settings->removeChannels(group, settings->channelsOf(group));
                    const QList<Channel *> channels = settings->channels();
                    dragged.clear();
                    for (int i = 0; i < int(400 * run.fraction); ++i)
                        dragged.append(channels.at(channels.size() - 1 - i));
                    editor.show(group);
                },
                [&](OpenEditor &editor) { editor.settings->dropEditables(dragged, group, nullptr); });
        },
        Setup::FreshEachRun, Sorting::AlsoByName);
}

void registerChannelEdits()
{
    registerOperation(
        "first edit after a load",
        [](benchmark::State &state, const Run &run) {
            Channel *channel = nullptr;
            measureOnFreshEditor(
                state, run,
                [&channel](OpenEditor &editor) {
                    channel = editor.settings->channels().at(editor.settings->channels().size() / 2);
                },
                [&channel](OpenEditor &) { channel->setName(QStringLiteral("First edit")); });
        },
        Setup::FreshEachRun);

    registerOperation("rename one channel, all shown", [](benchmark::State &state, const Run &run) {
        Channel *channel = nullptr;
        measureOnOpenEditor(
            state, run,
            [&channel](OpenEditor &editor) {
                channel = editor.settings->channels().at(editor.settings->channels().size() / 2);
                // The first edit after a load is measured on its own above.
                channel->setName(QStringLiteral("warm-up"));
            },
            [&channel](
                OpenEditor &, int round) { channel->setName(QStringLiteral("Renamed %1").arg(round)); });
    });

    registerOperation(
        "one channel from TV to radio, all shown",
        [](benchmark::State &state, const Run &run) {
            Channel *channel = nullptr;
            measureOnFreshEditor(
                state, run,
                [&channel](OpenEditor &editor) {
                    channel = editor.settings->channels().first();
                    channel->setName(QStringLiteral("warm-up"));
                },
                [&channel](OpenEditor &) { channel->setServiceType(1); });
        },
        Setup::FreshEachRun, Sorting::AlsoByName);
}

KELMORA_BENCHMARKS(registerEdits)
{
    registerDeletes();
    registerDrops();
    registerChannelEdits();
}

} // namespace
