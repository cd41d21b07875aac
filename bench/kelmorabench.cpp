// Benchmarks of the editor's user actions on filled settings files, at a
// quarter, half and full capacity of both receiver models. Each operation is
// printed with its median time, its ratio to the floor (reading the file and
// decoding every record into plain structs) and the ratio of full to half
// capacity, which shows whether it grows faster than linearly. The editor's
// window is shown (offscreen, 1280 x 800), and every timed operation ends
// when the events it posted (layout, paint) have been processed: what the
// user waits for.

#include "benchreporter.h"
#include "plainsettingsdecoder.h"

#include "check/duplicateservices.h"
#include "check/settingschecker.h"
#include "commands/settingshistory.h"
#include "demosettingsbuilder.h"
#include "formats/recognizesettings.h"
#include "formats/settingskelmora2xx.h"
#include "formats/settingskelmorahd.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "recovery/recoverykeeper.h"
#include "reference/applyreferenceorder.h"
#include "reference/referencelist.h"
#include "reference/referencelisttext.h"
#include "search/channelmatcher.h"
#include "snapshot/settingssnapshot.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/compare/comparecontroller.h"
#include "ui/editabletreewidget.h"
#include "ui/order/channelorderactions.h"
#include "ui/settingseditor.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QFile>
#include <QFileDialog>
#include <QHash>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>

#include <sys/resource.h>
#include <unistd.h>

namespace {

struct ModelInfo
{
    const char *name;
    DemoSettingsBuilder::Model model;
    const KelmoraLayout *layout;
    bool hd;
};

const ModelInfo models[] = {
    { "2xx", DemoSettingsBuilder::Model::Kelmora2XX, &SettingsKelmora2XX::modelValues, false },
    { "hd", DemoSettingsBuilder::Model::KelmoraHD, &SettingsKelmoraHD::modelValues, true },
};
const int percentages[] = { 25, 50, 100 };

QTemporaryDir *fileDirectory = nullptr;

QString filePath(const ModelInfo &model, int percent)
{
    return fileDirectory->filePath(QStringLiteral("%1-%2.si").arg(QLatin1String(model.name)).arg(percent));
}

bool writeFiles()
{
    for (const ModelInfo &model : models) {
        for (int percent : percentages) {
            QString error;
            const QByteArray bytes = DemoSettingsBuilder::filledFile(model.model, percent / 100.0, &error);
            QFile file(filePath(model, percent));
            if (bytes.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
                qWarning("Cannot write the %s file at %d%%: %s", model.name, percent, qPrintable(error));
                return false;
            }
        }
    }
    return true;
}

// Lets the window lay out and paint what the last operation changed. The
// views lay out on a zero timer, so a second pass picks up what the first
// one's layout posted.
void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

// The editor with a file open and its window shown, its two panes at hand.
class OpenEditor
{
public:
    explicit OpenEditor(const QString &path, bool sortedByName = false)
        : m_editor(std::make_unique<SettingsEditor>(nullptr))
    {
        m_editor->mainWindow()->resize(1280, 800);
        m_editor->mainWindow()->show();
        open(path);
        tree = m_editor->mainWindow()->findChild<EditableTreeWidget *>();
        table = m_editor->mainWindow()->findChild<ChannelListWidget *>();
        filter = m_editor->mainWindow()->findChild<QLineEdit *>(QStringLiteral("channelFilterField"));
        // Set either way: the window restores the sort the previous editor
        // of this run left behind.
        sortBy(sortedByName ? ChannelListWidget::Column::NameColumn : ChannelListWidget::Column::IdColumn,
            Qt::AscendingOrder);
        settle();
    }
    void open(const QString &path)
    {
        if (!m_editor->loadFile(path))
            qFatal("Cannot open %s", qPrintable(path));
        settings = m_editor->settings();
    }
    // As a click on the header does.
    void sortBy(int column, Qt::SortOrder order) { table->header()->setSortIndicator(column, order); }
    // Shows the channels of an object as a click on its tree item would.
    void show(Editable *editable) { m_editor->updateChannelList(editable); }
    void rebuildTable()
    {
        table->showChannels(settings->satellitesRoot(), settings->channelsOf(settings->satellitesRoot()));
    }
    void pressKey(int key, Qt::KeyboardModifiers modifiers = {}) { pressKeyIn(table, key, modifiers); }
    // A key as the focused filter field gets it, with the text it types.
    void typeInFilter(int key, const QString &text = {}) { pressKeyIn(filter, key, {}, text); }

    SettingsHistory *history() const { return m_editor->history(); }
    SettingsEditor *editor() const { return m_editor.get(); }
    // A menu command by its action's object name, as the user triggers it.
    void trigger(const char *action)
    {
        m_editor->mainWindow()->findChild<QAction *>(QLatin1String(action))->trigger();
    }
    // Tools > Check file, or the dock closed again by its own toggle.
    void showProblems(bool shown)
    {
        auto *check = m_editor->mainWindow()->findChild<QAction *>(QStringLiteral("actionCheckFile"));
        auto *dock = m_editor->mainWindow()->findChild<QDockWidget *>(QStringLiteral("fileCheckDock"));
        if (shown)
            check->trigger();
        else if (dock->isVisible())
            dock->toggleViewAction()->trigger();
    }

    Settings *settings = nullptr;
    EditableTreeWidget *tree = nullptr;
    ChannelListWidget *table = nullptr;
    QLineEdit *filter = nullptr;

private:
    static void pressKeyIn(
        QWidget *target, int key, Qt::KeyboardModifiers modifiers, const QString &text = {})
    {
        target->setFocus();
        QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(target, &release);
    }

    std::unique_ptr<SettingsEditor> m_editor;
};

// What one benchmark works on.
struct Run
{
    const ModelInfo &model;
    QString path;
    double fraction;
    bool sortedByName;
};

// Runs prepare() untimed and act() timed, with the events it posts, once
// per iteration, each time on a freshly opened file.
void measureOnFreshEditor(benchmark::State &state, const Run &run,
    const std::function<void(OpenEditor &)> &prepare, const std::function<void(OpenEditor &)> &act)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<OpenEditor>(run.path, run.sortedByName);
        prepare(*editor);
        settle();
        state.ResumeTiming();
        act(*editor);
        settle();
        state.PauseTiming();
        editor.reset();
        state.ResumeTiming();
    }
}

// Runs act() and the events it posts, as often as the library chooses, on
// one opened file.
void measureOnOpenEditor(benchmark::State &state, const Run &run,
    const std::function<void(OpenEditor &)> &prepare, const std::function<void(OpenEditor &, int round)> &act)
{
    OpenEditor editor(run.path, run.sortedByName);
    prepare(editor);
    settle();
    int round = 0;
    for (auto _ : state) {
        act(editor, ++round);
        settle();
    }
}

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

// The first n channels (of the main list) given to one provider, so that
// the provider owns that share of the file.
Provider *providerOwning(Settings *settings, int n)
{
    Provider *provider = settings->providers().first();
    const QList<Channel *> channels = settings->channels();
    for (int i = 0; i < channels.size(); ++i) {
        if (i < n)
            channels.at(i)->setProvider(provider);
        else if (channels.at(i)->provider() == provider)
            channels.at(i)->setProvider(settings->providers().last());
    }
    return provider;
}

// A copy of the file whose first satellite carries a third of the
// transponders (1000 of the HD model's 3000 at full capacity). Made once per
// file, outside the measurement: moving transponders one by one in the open
// editor refreshes views for every move.
QString fileWithCrowdedFirstSatellite(const QString &path)
{
    static QHash<QString, QString> made;
    if (made.contains(path))
        return made.value(path);
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        qFatal("Cannot open %s", qPrintable(path));
    std::unique_ptr<Settings> settings(recognizeSettings(&source));
    const QList<Transponder *> transponders = settings->transponders();
    for (int i = 0; i < transponders.size() / 3; ++i)
        transponders.at(i)->setSatellite(settings->satellites().first());
    const QString target = path + QStringLiteral(".crowded.si");
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || settings->save(&file) <= 0)
        qFatal("Cannot write %s", qPrintable(target));
    made.insert(path, target);
    return target;
}

void selectRows(ChannelListWidget *table, int rows)
{
    const QAbstractItemModel *model = table->model();
    const QItemSelection selection(model->index(0, 0), model->index(rows - 1, model->columnCount() - 1));
    table->selectionModel()->select(selection, QItemSelectionModel::Select);
}

using Operation = std::function<void(benchmark::State &, const Run &)>;

// Operations that need a freshly opened file run once per repetition; the
// others let the library choose how often to run them.
enum class Setup { Shared, FreshEachRun };
// Operations that rebuild the table run a second time with the rows sorted
// by Name, which must cost no more than the main-list order.
enum class Sorting { ByIdOnly, AlsoByName };

void registerOperation(const char *name, const Operation &operation, Setup setup = Setup::Shared,
    Sorting sorting = Sorting::ByIdOnly)
{
    for (const bool sortedByName : { false, true }) {
        if (sortedByName && sorting == Sorting::ByIdOnly)
            continue;
        const std::string operationName = std::string(name) + (sortedByName ? ", sorted by Name" : "");
        for (const ModelInfo &model : models) {
            for (int percent : percentages) {
                const std::string fullName = operationName + '/' + model.name + '/' + std::to_string(percent);
                auto *benchmark = benchmark::RegisterBenchmark(fullName.c_str(),
                    [operation, &model, percent, sortedByName](benchmark::State &state) {
                        operation(
                            state, Run { model, filePath(model, percent), percent / 100.0, sortedByName });
                    })
                                      ->Unit(benchmark::kMillisecond)
                                      ->Repetitions(7)
                                      ->ReportAggregatesOnly(true);
                if (setup == Setup::FreshEachRun)
                    benchmark->Iterations(1);
                else
                    benchmark->MinTime(0.1);
            }
        }
    }
}

void registerAll()
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
        QFile source(run.path);
        if (!source.open(QIODevice::ReadOnly))
            state.SkipWithError("cannot open the file");
        std::unique_ptr<Settings> settings(recognizeSettings(&source));
        const QString target = fileDirectory->filePath(QStringLiteral("saved.si"));
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

    // Let go of the store and handed it again, the tree drops every item and
    // builds anew; handed a store of the same shape straight away, it would
    // reuse its items, and a rebuild on an unchanged store would only
    // refresh the texts.
    registerOperation("tree built", [](benchmark::State &state, const Run &run) {
        measureOnOpenEditor(
            state, run, [](OpenEditor &) {},
            [](OpenEditor &editor, int) {
                editor.tree->setSettings(nullptr);
                editor.tree->setSettings(editor.settings);
            });
    });

    registerOperation(
        "table, all channels",
        [](benchmark::State &state, const Run &run) {
            measureOnOpenEditor(
                state, run, [](OpenEditor &) {}, [](OpenEditor &editor, int) { editor.rebuildTable(); });
        },
        Setup::Shared, Sorting::AlsoByName);

    registerOperation(
        "table, provider with a quarter",
        [](benchmark::State &state, const Run &run) {
            Provider *provider = nullptr;
            measureOnOpenEditor(
                state, run,
                [&provider](OpenEditor &editor) {
                    provider = providerOwning(editor.settings, int(editor.settings->channels().size()) / 4);
                },
                [&provider](OpenEditor &editor, int) { editor.show(provider); });
        },
        Setup::Shared, Sorting::AlsoByName);

    for (const auto &[name, column] :
        { std::pair("header sort by Name", ChannelListWidget::Column::NameColumn),
            std::pair("header sort by Frequency", ChannelListWidget::Column::FrequencyColumn) }) {
        registerOperation(name, [column = column](benchmark::State &state, const Run &run) {
            measureOnOpenEditor(
                state, run, [](OpenEditor &) {},
                [column](OpenEditor &editor, int round) {
                    editor.sortBy(column, round % 2 ? Qt::AscendingOrder : Qt::DescendingOrder);
                });
        });
    }

    // Typing "kan" into the field, then erasing it, one key per round: the
    // rows narrow three times and widen back three times.
    registerOperation(
        "filter field keystroke",
        [](benchmark::State &state, const Run &run) {
            measureOnOpenEditor(
                state, run, [](OpenEditor &) {},
                [](OpenEditor &editor, int round) {
                    const std::array<std::pair<int, QString>, 3> word { { { Qt::Key_K, QStringLiteral("k") },
                        { Qt::Key_A, QStringLiteral("a") }, { Qt::Key_N, QStringLiteral("n") } } };
                    const size_t step = size_t(round - 1) % (2 * word.size());
                    if (step < word.size())
                        editor.typeInFilter(word.at(step).first, word.at(step).second);
                    else
                        editor.typeInFilter(Qt::Key_Backspace);
                });
        },
        Setup::Shared, Sorting::AlsoByName);

    registerOperation(
        "delete half the channels in the table",
        [](benchmark::State &state, const Run &run) {
            measureOnFreshEditor(
                state, run,
                [](OpenEditor &editor) {
                    selectRows(editor.table, int(editor.settings->channels().size()) / 2);
                },
                [](OpenEditor &editor) { editor.table->deleteSelectedChannels(); });
        },
        Setup::FreshEachRun, Sorting::AlsoByName);

    // A reference naming every channel, in the reverse of the file's order,
    // so that every channel moves; matched by ids, as after a new scan.
    registerOperation(
        "apply order of a reversed reference",
        [](benchmark::State &state, const Run &run) {
            ReferenceList reversed;
            measureOnFreshEditor(
                state, run,
                [&reversed](OpenEditor &editor) {
                    QList<ReferenceEntry> entries = ReferenceList::fromSettings(*editor.settings).entries();
                    for (ReferenceEntry &entry : entries)
                        entry.number = int(entries.size()) + 1 - entry.number;
                    reversed = ReferenceList(entries);
                },
                [&reversed](OpenEditor &editor) {
                    applyReferenceOrder(*editor.settings, reversed);
                    editor.history()->commitPending();
                });
        },
        Setup::FreshEachRun);

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

    // What the history adds to any edit: capturing the store, comparing it
    // with the state before and naming the step; no window.
    registerOperation(
        "history step for one rename, store alone", [](benchmark::State &state, const Run &run) {
            QFile file(run.path);
            if (!file.open(QIODevice::ReadOnly))
                state.SkipWithError("cannot open the file");
            std::unique_ptr<Settings> settings(recognizeSettings(&file));
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

// The resident memory of the process now, from /proc.
double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024) : 0;
}

// A full HD store (no window) with a full history of renames, each of
// another channel; prints what the history holds.
int measureHistoryMemory()
{
    QFile file(filePath(models[1], 100));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    std::unique_ptr<Settings> settings(recognizeSettings(&file));
    SettingsHistory history;
    history.setSettings(settings.get());
    const double before = residentMegabytes();
    const QList<Channel *> channels = settings->channels();
    const int steps = SettingsHistory::DefaultUndoLimit + 20;
    for (int step = 0; step < steps; ++step) {
        channels.at(step)->setName(QStringLiteral("Renamed %1").arg(step));
        history.commitPending();
    }
    std::printf("history of %d steps (limit %d) on a full HD file: %.1f MB resident more; "
                "one snapshot %.1f KB\n",
        int(history.stack()->count()), SettingsHistory::DefaultUndoLimit, residentMegabytes() - before,
        SettingsSnapshot::capture(*settings).byteSize() / 1024.0);
    return 0;
}

// The editor with the fullest HD file open and its table rebuilt ten
// times; prints the process's peak resident memory.
int measurePeakMemory()
{
    const QString path = filePath(models[1], 100);
    OpenEditor editor(path);
    for (int round = 0; round < 10; ++round) {
        editor.rebuildTable();
        settle();
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}

} // namespace

namespace {
void registerCheckAndFilter();
void registerRecoveryCopy();
void registerOrderTools();
void registerCompareAndCopy();
void registerLastSlowPaths();
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);

    QTemporaryDir directory;
    fileDirectory = &directory;
    if (!directory.isValid() || !writeFiles())
        return 1;
    // The window's remembered state and recent files go to this run's own
    // folder: neither the user's settings nor an earlier run's sort reach
    // the figures.
    for (const QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat })
        QSettings::setPath(format, QSettings::UserScope, directory.filePath(QStringLiteral("config")));

    if (argc > 1 && std::strcmp(argv[1], "--peak-memory") == 0)
        return measurePeakMemory();
    if (argc > 1 && std::strcmp(argv[1], "--history-memory") == 0)
        return measureHistoryMemory();

    benchmark::Initialize(&argc, argv);
    registerAll();
    registerUndoRedo();
    registerCheckAndFilter();
    registerRecoveryCopy();
    registerOrderTools();
    registerCompareAndCopy();
    registerLastSlowPaths();
    BenchReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}

// The file check and the channel filter's matching, on the store alone (no
// window): the whole check, the duplicate search behind "Select duplicates",
// and one keystroke of the filter over every channel, first with a cold
// cache of folded names and then as typing goes on.
namespace {

std::unique_ptr<Settings> loadedStore(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("Cannot open %s", qPrintable(path));
    std::unique_ptr<Settings> settings(recognizeSettings(&file));
    if (!settings)
        qFatal("Cannot load %s", qPrintable(path));
    return settings;
}

int countMatches(const ChannelMatcher &matcher, const QList<Channel *> &channels)
{
    int matched = 0;
    for (const Channel *channel : channels)
        matched += matcher.matches(channel) ? 1 : 0;
    return matched;
}

void registerCheckAndFilter()
{
    registerOperation("check file", [](benchmark::State &state, const Run &run) {
        const auto settings = loadedStore(run.path);
        for (auto _ : state)
            benchmark::DoNotOptimize(SettingsChecker::check(*settings));
    });

    registerOperation("find duplicate services", [](benchmark::State &state, const Run &run) {
        const auto settings = loadedStore(run.path);
        for (auto _ : state)
            benchmark::DoNotOptimize(DuplicateServices::extras(*settings));
    });

    registerOperation("filter keystroke, first", [](benchmark::State &state, const Run &run) {
        const auto settings = loadedStore(run.path);
        const QList<Channel *> channels = settings->channels();
        for (auto _ : state) {
            ChannelMatcher matcher;
            matcher.setText(QStringLiteral("\u043a"));
            benchmark::DoNotOptimize(countMatches(matcher, channels));
        }
    });

    registerOperation("filter keystroke, typing on", [](benchmark::State &state, const Run &run) {
        const auto settings = loadedStore(run.path);
        const QList<Channel *> channels = settings->channels();
        const QStringList typed = { QStringLiteral("k"), QStringLiteral("ka"), QStringLiteral("kan"),
            QStringLiteral("\u043a\u0430\u043d"), QStringLiteral("12") };
        ChannelMatcher matcher;
        int keystroke = 0;
        for (auto _ : state) {
            matcher.setText(typed.at(keystroke++ % typed.size()));
            benchmark::DoNotOptimize(countMatches(matcher, channels));
        }
    });
}

} // namespace

// What a recovery copy costs the GUI thread while the user edits: taking the
// snapshot and handing it to the worker. The write itself, waited for
// outside the measurement, runs on the worker thread.
namespace {

void registerRecoveryCopy()
{
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

namespace {

// The order tool of that text (mnemonics left out), found where the
// user finds it: in the Order menu or one of its submenus.
QAction *orderAction(OpenEditor &editor, const QString &text, const QString &submenu = {})
{
    QMenu *menu = editor.table->findChild<ChannelOrderActions *>()->menu();
    for (QAction *action : menu->actions()) {
        if (!submenu.isEmpty() && action->menu() && action->text().remove(u'&') == submenu)
            menu = action->menu();
    }
    for (QAction *action : menu->actions())
        if (action->text().remove(u'&') == text)
            return action;
    qFatal("No order action %s", qPrintable(text));
}

// Rows spread over the whole table, every step-th from the first.
void selectEvery(ChannelListWidget *table, int step, int count)
{
    QList<Channel *> channels;
    for (int row = 0; row < table->model()->rowCount() && channels.size() < count; row += step)
        channels.append(table->tableModel()->channelAt(row));
    table->selectChannels(channels);
}

void registerOrderTools()
{
    // Alt+Down again and again on the same channels: each round moves them
    // one place further, with the table following and the step recorded.
    for (const int selected : { 1, 1000 }) {
        const std::string name
            = selected == 1 ? "Alt+Down on one channel" : "Alt+Down on 1000 selected channels";
        registerOperation(name.c_str(), [selected](benchmark::State &state, const Run &run) {
            QAction *down = nullptr;
            measureOnOpenEditor(
                state, run,
                [&](OpenEditor &editor) {
                    selectEvery(editor.table, selected == 1 ? 1 : 5, selected);
                    down = orderAction(editor, QStringLiteral("Move Down"));
                },
                [&](OpenEditor &, int) { down->trigger(); });
        });
    }
    registerOperation("Move to Position of 1000 channels", [](benchmark::State &state, const Run &run) {
        ChannelOrderActions *order = nullptr;
        measureOnOpenEditor(
            state, run,
            [&](OpenEditor &editor) {
                selectEvery(editor.table, 5, 1000);
                order = editor.table->findChild<ChannelOrderActions *>();
            },
            // Back and forth, so that every round moves them.
            [&](OpenEditor &, int round) { order->moveSelectionTo(round % 2 ? 1 : 3000); });
    });
    registerOperation(
        "Take the table's sort by Name",
        [](benchmark::State &state, const Run &run) {
            measureOnFreshEditor(
                state, run,
                [](OpenEditor &editor) {
                    editor.sortBy(ChannelListWidget::Column::NameColumn, Qt::AscendingOrder);
                },
                [](OpenEditor &editor) {
                    editor.table->findChild<ChannelOrderActions *>()->takeSortAction()->trigger();
                });
        },
        Setup::FreshEachRun);
    registerOperation(
        "Sort List by Name",
        [](benchmark::State &state, const Run &run) {
            measureOnFreshEditor(
                state, run, [](OpenEditor &) {},
                [](OpenEditor &editor) {
                    orderAction(editor, QStringLiteral("Name"), QStringLiteral("Sort List By"))->trigger();
                });
        },
        Setup::FreshEachRun);
}

} // namespace

// Comparing the open file with another, and copying channels over, through
// the window: the comparison dock and the table follow.
namespace {

// A copy of the file made once, outside the measurement, by an edit of its store.
QString derivedFile(const QString &path, const char *suffix, const std::function<void(Settings &)> &edit)
{
    static QHash<QString, QString> made;
    const QString target = path + QLatin1String(suffix);
    if (made.contains(target))
        return target;
    const auto settings = loadedStore(path);
    edit(*settings);
    QFile file(target);
    if (!file.open(QIODevice::WriteOnly) || settings->save(&file) <= 0)
        qFatal("Cannot write %s", qPrintable(target));
    made.insert(target, target);
    return target;
}

// Three channels in ten changed, every fiftieth moved to the end.
QString changedFile(const QString &path)
{
    return derivedFile(path, ".changed.si", [](Settings &settings) {
        const QList<Channel *> channels = settings.channels();
        for (int i = 0; i < channels.size(); ++i) {
            if (i % 10 == 0)
                channels.at(i)->setName(channels.at(i)->name() + QStringLiteral(" new"));
            else if (i % 10 == 1)
                channels.at(i)->setAudioPid(quint16(channels.at(i)->audioPid() + 1));
            else if (i % 10 == 2)
                channels.at(i)->setVideoPid(quint16(channels.at(i)->videoPid() + 1));
        }
        QList<Editable *> moved;
        for (int i = 5; i < channels.size(); i += 50)
            moved.append(channels.at(i));
        settings.dropEditables(moved, channels.constLast(), nullptr);
    });
}

// The file less its last 1000 channels, which a copy brings back.
QString fileWithout1000(const QString &path)
{
    return derivedFile(path, ".less1000.si", [](Settings &settings) {
        settings.removeChannels(nullptr, settings.channels().mid(settings.channels().size() - 1000));
    });
}

void registerCompareAndCopy()
{
    registerOperation(
        "compare with a changed copy, dock shown",
        [](benchmark::State &state, const Run &run) {
            const QString other = changedFile(run.path);
            measureOnFreshEditor(
                state, run, [](OpenEditor &) {},
                [&other](OpenEditor &editor) { editor.editor()->compare()->compareWith(other); });
        },
        Setup::FreshEachRun);

    registerOperation(
        "copy 1000 channels",
        [](benchmark::State &state, const Run &run) {
            const auto full = loadedStore(run.path);
            QList<CopiedChannel> copies;
            for (const Channel *channel : full->channels().mid(full->channels().size() - 1000))
                copies.append(CopiedChannel::of(*channel));
            measureOnFreshEditor(
                state, Run { run.model, fileWithout1000(run.path), run.fraction, run.sortedByName },
                [](OpenEditor &) {},
                [&copies](OpenEditor &editor) {
                    editor.editor()->compare()->copyChannels(copies, nullptr, nullptr);
                });
        },
        Setup::FreshEachRun);
}

} // namespace

// Paths that paid for work nobody waited for.
namespace {

// A reference list naming every channel of the file in reverse, written
// once per file beside it.
QString reversedReferenceFile(const QString &path)
{
    const QString target = path + QStringLiteral(".reversed.txt");
    if (QFile::exists(target))
        return target;
    const auto settings = loadedStore(path);
    QList<ReferenceEntry> entries = ReferenceList::fromSettings(*settings).entries();
    for (ReferenceEntry &entry : entries)
        entry.number = int(entries.size()) + 1 - entry.number;
    QFile file(target);
    const QByteArray text = ReferenceListText::write(ReferenceList(entries));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("Cannot write %s", qPrintable(target));
    return target;
}

// Answers the modal windows of "Apply order from…" as a user does: picks
// the file in the file dialog, which starts the clock, and presses Apply
// in the preview.
class ApplyOrderAnswers : public QObject
{
public:
    ApplyOrderAnswers(benchmark::State &state, const QString &file)
        : m_state(state)
        , m_file(file)
    {
        connect(&m_poll, &QTimer::timeout, this, &ApplyOrderAnswers::answer);
        m_poll.start(0);
    }

private:
    void answer()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *files = qobject_cast<QFileDialog *>(modal)) {
            files->selectFile(m_file);
            m_state.ResumeTiming();
            static_cast<QDialog *>(files)->accept();
        } else if (modal && modal->objectName() == QLatin1String("applyOrderDialog")) {
            m_poll.stop();
            modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Apply)->click();
        }
    }

    benchmark::State &m_state;
    QString m_file;
    QTimer m_poll;
};

void registerLastSlowPaths()
{
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

    // From the file picked in the dialog to the table repainted in the new
    // order, the step recorded: reading and matching the reference, the
    // preview shown, Apply pressed and the order applied.
    registerOperation(
        "apply order from choosing the file to the repainted table",
        [](benchmark::State &state, const Run &run) {
            const QString reference = reversedReferenceFile(run.path);
            measureOnFreshEditor(
                state, run, [](OpenEditor &) {},
                [&state, &reference](OpenEditor &editor) {
                    state.PauseTiming();
                    ApplyOrderAnswers answers(state, reference);
                    editor.trigger("actionApplyOrder");
                    settle();
                });
        },
        Setup::FreshEachRun);
}

} // namespace
