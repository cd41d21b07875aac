// The two panes built and sorted on a full file: the object tree, the
// channel table for the main list and for a provider, the header's sorts
// and the filter field.

#include "benchharness.h"
#include "openeditor.h"

#include "model/provider.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/editabletreewidget.h"

#include <array>

using namespace Bench;

namespace {

KELMORA_BENCHMARKS(registerViews)
{
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
}

} // namespace
