#pragma once

// What every benchmark file shares: the filled files of both receiver
// models, the shown window, the events processed before the clock stops,
// and the registration of one row per model and size.

#include "demosettingsbuilder.h"

#include <QList>
#include <QString>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

class ChannelListWidget;
class OpenEditor;
class Provider;
class ReferenceList;
class Settings;
struct KelmoraLayout;

namespace Bench {

struct ModelInfo
{
    const char *name;
    DemoSettingsBuilder::Model model;
    const KelmoraLayout *layout;
    bool hd;
};

const ModelInfo &model2XX();
const ModelInfo &modelHD();

// The run's own folder: the filled files (all, or only the full HD one),
// the window's remembered state.
bool prepareFolder(const QString &folder, bool fullHDOnly = false);
QString folderPath(const QString &name);
QString filePath(const ModelInfo &model, int percent);

// Lets the window lay out and paint what the last operation changed.
void settle();

// What one benchmark works on.
struct Run
{
    const ModelInfo &model;
    QString path;
    double fraction;
    bool sortedByName;
};

using Operation = std::function<void(benchmark::State &, const Run &)>;

// Operations that need a freshly opened file run once per repetition; the
// others let the library choose how often to run them.
enum class Setup { Shared, FreshEachRun };
// Operations that rebuild the table run a second time with the rows sorted
// by Name, which must cost no more than the main-list order.
enum class Sorting { ByIdOnly, AlsoByName };

// One row "<name>/<model>/<percent>" per model and size, and a second set
// "<name>, sorted by Name/…" when asked.
void registerOperation(const char *name, const Operation &operation, Setup setup = Setup::Shared,
    Sorting sorting = Sorting::ByIdOnly);

// Runs prepare() untimed and act() timed, with the events it posts, once
// per iteration, each time on a freshly opened file.
void measureOnFreshEditor(benchmark::State &state, const Run &run,
    const std::function<void(OpenEditor &)> &prepare, const std::function<void(OpenEditor &)> &act);
// Runs act() and the events it posts, as often as the library chooses, on
// one opened file.
void measureOnOpenEditor(benchmark::State &state, const Run &run,
    const std::function<void(OpenEditor &)> &prepare,
    const std::function<void(OpenEditor &, int round)> &act);

std::unique_ptr<Settings> loadedStore(const QString &path);
// A copy of the file made once, outside the measurement, by an edit of its store.
QString derivedFile(const QString &path, const char *suffix, const std::function<void(Settings &)> &edit);
// A copy of the file whose first satellite carries a third of the
// transponders (1000 of the HD model's 3000 at full capacity).
QString fileWithCrowdedFirstSatellite(const QString &path);
// A reference naming every channel of the store, in the reverse of its
// order, so that every channel moves.
ReferenceList reversedReference(const Settings &settings);
// The first n channels (of the main list) given to one provider.
Provider *providerOwning(Settings *settings, int n);
void selectRows(ChannelListWidget *table, int rows);

// Files register their rows through KELMORA_BENCHMARKS; main runs them once
// the application exists, in the order the files were linked.
bool queueRegistration(void (*registerRows)());
void registerQueued();

} // namespace Bench

// Opens the function that registers a file's rows, as BENCHMARK does for one.
#define KELMORA_BENCHMARKS(function)                                                                         \
    static void function();                                                                                  \
    [[maybe_unused]] static const bool function##Queued = Bench::queueRegistration(function);                \
    static void function()
