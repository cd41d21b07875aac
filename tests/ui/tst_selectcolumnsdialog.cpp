#include "model/rooteditable.h"
#include "testsettings.h"
#include "ui/channellistwidget.h"
#include "ui/dialogs/selectcolumnsdialog.h"
#include "uitest.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>

#include <numeric>

using namespace Qt::StringLiterals;
using Column = ChannelListWidget::Column;

class TestSelectColumnsDialog : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelPendingModalDrivers(); }

    void okAppliesTheTicksAndCancelKeepsThem_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QList<int>>("clicked");
        QTest::addColumn<QList<int>>("hidden");
        const QList<int> idAndPmt { Column::IdColumn, Column::PmtPidColumn };
        QTest::addRow("cancel") << false << idAndPmt << QList<int> { Column::IdColumn };
        QTest::addRow("ok") << true << idAndPmt << QList<int> { Column::PmtPidColumn };
        QList<int> all(Column::ColumnCount);
        std::iota(all.begin(), all.end(), 0);
        QTest::addRow("every column may go") << true << all.mid(1) << all;
    }
    void okAppliesTheTicksAndCancelKeepsThem()
    {
        QFETCH(bool, accept);
        QFETCH(QList<int>, clicked);
        QFETCH(QList<int>, hidden);
        TestSettings settings;
        ChannelListWidget table;
        table.setSettings(&settings);
        table.setColumnHidden(Column::IdColumn, true);
        QStringList titles;
        QList<bool> shownTicks;
        onNextModal([&](QWidget *dialog) {
            auto *grid = dialog->findChild<QGridLayout *>();
            for (int row = 0; row < grid->rowCount(); ++row) {
                auto *box = qobject_cast<QCheckBox *>(grid->itemAtPosition(row, 0)->widget());
                titles.append(box->text());
                shownTicks.append(box->isChecked());
                if (clicked.contains(row))
                    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, box->height() / 2));
            }
            QTest::mouseClick(dialog->findChild<QDialogButtonBox *>()->button(
                                  accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                Qt::LeftButton);
        });
        // Opened the way the user opens it, from the context menu's action.
        QStringList shown;
        chooseFromNextMenu(u"Select Co&lumns…"_s, &shown);
        QVERIFY(giveFocus(&table));
        pressKey(Qt::Key_F10, Qt::ShiftModifier);

        QCOMPARE(titles,
            QStringList({ u"Id"_s, u"Name"_s, u"Provider"_s, u"Satellite"_s, u"Frequency"_s, u"SymbolRate"_s,
                u"Polarization"_s, u"Service Type"_s, u"SID"_s, u"Video PID"_s, u"Audio PID"_s, u"PCR PID"_s,
                u"PMT PID"_s, u"Position"_s }));
        // A box is ticked while its column is visible.
        QCOMPARE(shownTicks.indexOf(false), int(Column::IdColumn));
        QCOMPARE(shownTicks.count(false), 1);
        // The choice outlives the next rebuild of the rows.
        table.showChannels(settings.satellitesRoot(), settings.channels());
        for (int column = 0; column < Column::ColumnCount; ++column)
            QVERIFY2(
                table.isColumnHidden(column) == hidden.contains(column), qPrintable(QString::number(column)));

        QVERIFY(!selectColumnsDialog(new QTreeView(&table), nullptr));
        QVERIFY(!selectColumnsDialog(nullptr, nullptr));
    }
};

QTEST_MAIN(TestSelectColumnsDialog)
#include "tst_selectcolumnsdialog.moc"
