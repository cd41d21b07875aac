// New channel orders: a reference's order applied (by the store alone and
// through the File menu from the file dialog on), and the order tools of
// the table (Alt+Down, Move to Position, the sorts).

#include "benchharness.h"
#include "openeditor.h"

#include "commands/settingshistory.h"
#include "model/channel.h"
#include "reference/applyreferenceorder.h"
#include "reference/referencelist.h"
#include "reference/referencelisttext.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/order/channelorderactions.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

using namespace Bench;

namespace {

// The reversed reference as a list file, written once per file beside it.
QString reversedReferenceFile(const QString &path)
{
    const QString target = path + QStringLiteral(".reversed.txt");
    if (QFile::exists(target))
        return target;
    QFile file(target);
    const QByteArray text = ReferenceListText::write(reversedReference(*loadedStore(path)));
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

void registerApplyOrder()
{
    // Matched by ids, as after a new scan.
    registerOperation(
        "apply order of a reversed reference",
        [](benchmark::State &state, const Run &run) {
            ReferenceList reversed;
            measureOnFreshEditor(
                state, run,
                [&reversed](OpenEditor &editor) { reversed = reversedReference(*editor.settings); },
                [&reversed](OpenEditor &editor) {
                    applyReferenceOrder(*editor.settings, reversed);
                    editor.history()->commitPending();
                });
        },
        Setup::FreshEachRun);

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

KELMORA_BENCHMARKS(registerOrders)
{
    registerApplyOrder();
    registerOrderTools();
}

} // namespace
