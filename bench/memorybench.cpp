#include "memorybench.h"

#include "benchharness.h"
#include "openeditor.h"

#include "commands/settingshistory.h"
#include "model/channel.h"
#include "model/satellite.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"

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

// The process's resident high-water mark (VmHWM).
double peakMegabytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0;
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
    std::printf("history of %d steps (limit %d) on a full HD file: %.1f MB resident more\n",
        int(history.stack()->count()), SettingsHistory::DefaultUndoLimit, residentMegabytes() - before);
    return 0;
}

int measurePeakMemory(PeakAfter after)
{
    OpenEditor editor(Bench::filePath(Bench::modelHD(), 100));
    const int channels = int(editor.settings->channels().size());
    const int satellites = int(editor.settings->satellites().size());
    std::printf("peak resident memory with the file open: %.1f MB\n", peakMegabytes());
    for (int round = 0; round < (after == PeakAfter::TableRebuilds ? 10 : 100); ++round) {
        if (after == PeakAfter::TableRebuilds) {
            editor.rebuildTable();
        } else if (after == PeakAfter::ChannelDeletes) {
            Bench::selectRows(editor.table, 1);
            editor.pressKey(Qt::Key_Delete);
        } else {
            editor.settings->removeEditables({ editor.settings->satellites().first() });
        }
        // The history records each change at the end of the event-loop turn.
        Bench::settle();
    }
    std::printf("peak resident memory: %.1f MB\n", peakMegabytes());
    if (after == PeakAfter::TableRebuilds)
        return 0;
    // Each delete must have been a step of its own: undoing 100 steps gives
    // every object back.
    std::printf("after the deletes: %d channels, %d satellites\n", int(editor.settings->channels().size()),
        int(editor.settings->satellites().size()));
    for (int step = 0; step < 100; ++step)
        editor.history()->undo();
    Bench::settle();
    const bool whole = editor.settings->channels().size() == channels
        && editor.settings->satellites().size() == satellites;
    std::printf("after 100 undos: %s\n", whole ? "every object back" : "objects missing: not 100 steps");
    return whole ? 0 : 1;
}

} // namespace MemoryBench
