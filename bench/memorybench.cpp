#include "memorybench.h"

#include "benchharness.h"
#include "openeditor.h"

#include "commands/settingshistory.h"
#include "model/channel.h"
#include "store/settings.h"

#include <QFile>

#include <cstdio>

#include <sys/resource.h>
#include <unistd.h>

namespace MemoryBench {

namespace {

// The resident memory of the process now, from /proc.
double residentMegabytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields.at(1).toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024 * 1024) : 0;
}

} // namespace

int measureHistoryMemory()
{
    const auto settings = Bench::loadedStore(Bench::filePath(Bench::modelHD(), 100));
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

int measurePeakMemory()
{
    OpenEditor editor(Bench::filePath(Bench::modelHD(), 100));
    for (int round = 0; round < 10; ++round) {
        editor.rebuildTable();
        Bench::settle();
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak resident memory: %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}

} // namespace MemoryBench
