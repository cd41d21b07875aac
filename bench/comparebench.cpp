// Comparing the open file with another, and copying channels over, through
// the window: the comparison dock and the table follow.

#include "benchharness.h"
#include "openeditor.h"

#include "compare/copiedchannel.h"
#include "model/channel.h"
#include "store/settings.h"
#include "ui/compare/comparecontroller.h"
#include "ui/settingseditor.h"

using namespace Bench;

namespace {

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

KELMORA_BENCHMARKS(registerCompareAndCopy)
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
