#include "channellistwidget.h"
#include "rooteditable.h"
#include "selectcolumnsdialog.h"
#include "testsettings.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// What the dialog showed: the label text and tick of each row of its grid.
struct Shown
{
    QStringList titles;
    QList<bool> ticked;
};

// Once the dialog runs, records what it shows, lets `change` work on its
// check boxes (in grid order) and presses `button`.
void driveNextDialog(Shown *shown, const std::function<void(const QList<QCheckBox *> &)> &change,
    QDialogButtonBox::StandardButton button)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [=] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->deleteLater();
        QList<QCheckBox *> boxes;
        auto *grid = dialog->findChild<QGridLayout *>();
        for (int row = 0; grid && row < grid->rowCount(); ++row) {
            auto *box = qobject_cast<QCheckBox *>(grid->itemAtPosition(row, 0)->widget());
            auto *label = qobject_cast<QLabel *>(grid->itemAtPosition(row, 1)->widget());
            if (!box || !label)
                continue;
            boxes.append(box);
            shown->titles.append(label->text());
            shown->ticked.append(box->isChecked());
        }
        change(boxes);
        dialog->findChild<QDialogButtonBox *>()->button(button)->click();
    });
    timer->start(10);
}

QList<bool> visibility(const QTreeView &view)
{
    QList<bool> visible;
    for (int column = 0; column < view.model()->columnCount(); ++column)
        visible.append(!view.isColumnHidden(column));
    return visible;
}

} // namespace

class TestSelectColumnsDialog : public QObject
{
    Q_OBJECT

private slots:
    void listsEveryColumnTickedWhileVisible();
    void okAppliesTheTicksAndCancelKeepsVisibility();
    void everyColumnMayBeHiddenAndStaysHiddenAcrossRebuilds();
    void viewWithoutModelOpensNoDialog();
};

void TestSelectColumnsDialog::listsEveryColumnTickedWhileVisible()
{
    ChannelListWidget table;
    table.setColumnHidden(ChannelListWidget::SatelliteColumn, true);
    Shown shown;
    driveNextDialog(
        &shown, [](const QList<QCheckBox *> &) {}, QDialogButtonBox::Cancel);
    // Opened the way the user opens it, from the context menu's action.
    table.selectColumnsAction()->trigger();

    QCOMPARE(shown.titles,
        QStringList({ u"Id"_s, u"Name"_s, u"Provider"_s, u"Satellite"_s, u"Frequency"_s, u"SymbolRate"_s,
            u"Polarization"_s, u"Service Type"_s, u"SID"_s, u"Video PID"_s, u"Audio PID"_s, u"PCR PID"_s,
            u"PMT PID"_s }));
    QList<bool> expected(ChannelListWidget::ColumnCount, true);
    expected[ChannelListWidget::SatelliteColumn] = false;
    QCOMPARE(shown.ticked, expected);
}

void TestSelectColumnsDialog::okAppliesTheTicksAndCancelKeepsVisibility()
{
    ChannelListWidget table;
    table.setColumnHidden(ChannelListWidget::IdColumn, true);
    const auto flip = [](const QList<QCheckBox *> &boxes) {
        boxes.at(ChannelListWidget::IdColumn)->click();
        boxes.at(ChannelListWidget::PmtPidColumn)->click();
    };

    Shown cancelled;
    driveNextDialog(&cancelled, flip, QDialogButtonBox::Cancel);
    QVERIFY(!selectColumnsDialog(&table, &table));
    QList<bool> expected(ChannelListWidget::ColumnCount, true);
    expected[ChannelListWidget::IdColumn] = false;
    QCOMPARE(visibility(table), expected);

    Shown accepted;
    driveNextDialog(&accepted, flip, QDialogButtonBox::Ok);
    QVERIFY(selectColumnsDialog(&table, &table));
    expected[ChannelListWidget::IdColumn] = true;
    expected[ChannelListWidget::PmtPidColumn] = false;
    QCOMPARE(visibility(table), expected);
}

void TestSelectColumnsDialog::everyColumnMayBeHiddenAndStaysHiddenAcrossRebuilds()
{
    TestSettings settings;
    ChannelListWidget table;
    table.setSettings(&settings);
    Shown shown;
    driveNextDialog(
        &shown,
        [](const QList<QCheckBox *> &boxes) {
            for (QCheckBox *box : boxes)
                box->setChecked(false);
        },
        QDialogButtonBox::Ok);
    table.selectColumns();
    QCOMPARE(visibility(table), QList<bool>(ChannelListWidget::ColumnCount, false));

    table.showChannels(settings.satellitesRoot(), settings.channels());
    QCOMPARE(visibility(table), QList<bool>(ChannelListWidget::ColumnCount, false));
}

void TestSelectColumnsDialog::viewWithoutModelOpensNoDialog()
{
    QTreeView view;
    QVERIFY(!selectColumnsDialog(nullptr, &view));
    QVERIFY(!selectColumnsDialog(nullptr, nullptr));
}

QTEST_MAIN(TestSelectColumnsDialog)
#include "tst_selectcolumnsdialog.moc"
