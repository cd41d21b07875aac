// Benchmarks of the editor's user actions on filled settings files, at a
// quarter, half and full capacity of both receiver models. Each operation is
// printed with its median time, its ratio to the floor (reading the file and
// decoding every record into plain structs) and the ratio of full to half
// capacity, which shows whether it grows faster than linearly. The editor's
// window is shown (offscreen, 1280 x 800), and every timed operation ends
// when the events it posted (layout, paint) have been processed: what the
// user waits for. The rows are registered by the files of each area.

#include "benchharness.h"
#include "benchreporter.h"
#include "memorybench.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

int runMemoryMode(const char *what, bool history)
{
    using MemoryBench::PeakAfter;
    if (history)
        return MemoryBench::measureHistoryMemory();
    if (std::strcmp(what, "channel-deletes") == 0)
        return MemoryBench::measurePeakMemory(PeakAfter::ChannelDeletes);
    if (std::strcmp(what, "satellite-deletes") == 0)
        return MemoryBench::measurePeakMemory(PeakAfter::SatelliteDeletes);
    if (*what) {
        std::fprintf(stderr, "--peak-memory takes channel-deletes, satellite-deletes or nothing\n");
        return 2;
    }
    return MemoryBench::measurePeakMemory(PeakAfter::TableRebuilds);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);

    const bool memoryMode = argc > 1
        && (std::strcmp(argv[1], "--peak-memory") == 0 || std::strcmp(argv[1], "--history-memory") == 0);
    QTemporaryDir directory;
    // A memory mode needs only the full HD file, and no other file's
    // building may reach its peak.
    if (!directory.isValid() || !Bench::prepareFolder(directory.path(), memoryMode))
        return 1;
    // The window's remembered state and recent files go to this run's own
    // folder: neither the user's settings nor an earlier run's sort reach
    // the figures.
    for (const QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat })
        QSettings::setPath(format, QSettings::UserScope, directory.filePath(QStringLiteral("config")));

    if (memoryMode)
        return runMemoryMode(argc > 2 ? argv[2] : "", std::strcmp(argv[1], "--history-memory") == 0);

    benchmark::Initialize(&argc, argv);
    Bench::registerQueued();
    BenchReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
