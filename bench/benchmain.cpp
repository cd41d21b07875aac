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

#include <cstring>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication application(qtArgc, argv);

    QTemporaryDir directory;
    if (!directory.isValid() || !Bench::prepareFolder(directory.path()))
        return 1;
    // The window's remembered state and recent files go to this run's own
    // folder: neither the user's settings nor an earlier run's sort reach
    // the figures.
    for (const QSettings::Format format : { QSettings::NativeFormat, QSettings::IniFormat })
        QSettings::setPath(format, QSettings::UserScope, directory.filePath(QStringLiteral("config")));

    if (argc > 1 && std::strcmp(argv[1], "--peak-memory") == 0)
        return MemoryBench::measurePeakMemory();
    if (argc > 1 && std::strcmp(argv[1], "--history-memory") == 0)
        return MemoryBench::measureHistoryMemory();

    benchmark::Initialize(&argc, argv);
    Bench::registerQueued();
    BenchReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printSummary();
    benchmark::Shutdown();
    return 0;
}
