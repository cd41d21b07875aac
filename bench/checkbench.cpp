// The file check and the channel filter's matching, on the store alone (no
// window): the whole check, the duplicate search behind "Select duplicates",
// and one keystroke of the filter over every channel, first with a cold
// cache of folded names and then as typing goes on.

#include "benchharness.h"

#include "check/duplicateservices.h"
#include "check/settingschecker.h"
#include "search/channelmatcher.h"
#include "store/settings.h"

#include <QStringList>

using namespace Bench;

namespace {

int countMatches(const ChannelMatcher &matcher, const QList<Channel *> &channels)
{
    int matched = 0;
    for (const Channel *channel : channels)
        matched += matcher.matches(channel) ? 1 : 0;
    return matched;
}

KELMORA_BENCHMARKS(registerCheckAndFilter)
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
