#include "benchharness.h"

#include "openeditor.h"

#include "formats/recognizesettings.h"
#include "formats/settingskelmora2xx.h"
#include "formats/settingskelmorahd.h"
#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "reference/referencelist.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QItemSelectionModel>

#include <vector>

namespace Bench {

namespace {

const ModelInfo models[] = {
    { "2xx", DemoSettingsBuilder::Model::Kelmora2XX, &SettingsKelmora2XX::modelValues, false },
    { "hd", DemoSettingsBuilder::Model::KelmoraHD, &SettingsKelmoraHD::modelValues, true },
};
const int percentages[] = { 25, 50, 100 };

QString &folder()
{
    static QString path;
    return path;
}

std::vector<void (*)()> &queued()
{
    static std::vector<void (*)()> functions;
    return functions;
}

} // namespace

const ModelInfo &model2XX()
{
    return models[0];
}

const ModelInfo &modelHD()
{
    return models[1];
}

QString folderPath(const QString &name)
{
    return QDir(folder()).filePath(name);
}

QString filePath(const ModelInfo &model, int percent)
{
    return folderPath(QStringLiteral("%1-%2.si").arg(QLatin1String(model.name)).arg(percent));
}

bool prepareFolder(const QString &path, bool fullHDOnly)
{
    folder() = path;
    for (const ModelInfo &model : models) {
        for (int percent : percentages) {
            if (fullHDOnly && (&model != &modelHD() || percent != 100))
                continue;
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

// The views lay out on a zero timer, so a second pass picks up what the
// first one's layout posted.
void settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

void registerOperation(const char *name, const Operation &operation, Setup setup, Sorting sorting)
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

// Made once per file, outside the measurement: moving transponders one by
// one in the open editor refreshes views for every move.
QString fileWithCrowdedFirstSatellite(const QString &path)
{
    return derivedFile(path, ".crowded.si", [](Settings &settings) {
        const QList<Transponder *> transponders = settings.transponders();
        for (int i = 0; i < transponders.size() / 3; ++i)
            transponders.at(i)->setSatellite(settings.satellites().first());
    });
}

ReferenceList reversedReference(const Settings &settings)
{
    QList<ReferenceEntry> entries = ReferenceList::fromSettings(settings).entries();
    for (ReferenceEntry &entry : entries)
        entry.number = int(entries.size()) + 1 - entry.number;
    return ReferenceList(entries);
}

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

void selectRows(ChannelListWidget *table, int rows)
{
    const QAbstractItemModel *model = table->model();
    const QItemSelection selection(model->index(0, 0), model->index(rows - 1, model->columnCount() - 1));
    table->selectionModel()->select(selection, QItemSelectionModel::Select);
}

bool queueRegistration(void (*registerRows)())
{
    queued().push_back(registerRows);
    return true;
}

void registerQueued()
{
    for (void (*registerRows)() : queued())
        registerRows();
}

} // namespace Bench
