#include "check/fileproblem.h"
#include "focusedkeys.h"
#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "ui/check/problemlistwidget.h"

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QStringList column(const QTreeWidget &list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts.append(list.topLevelItem(row)->text(column));
    return texts;
}

// A double click arrives after the press and release of its first click.
void doubleClickRow(QTreeWidget &list, int row)
{
    const QPoint centre = list.visualItemRect(list.topLevelItem(row)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, centre);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, centre);
}

} // namespace

class TestProblemListWidget : public QObject
{
    Q_OBJECT

    // Given out of severity order, so that the initial sort shows.
    QList<FileProblem> problems() const
    {
        return {
            { FileProblem::Kind::ProviderWithoutChannels, FileProblem::Severity::Note, m_provider.get(),
                QStringLiteral("unused") },
            { FileProblem::Kind::OverCapacity, FileProblem::Severity::Error, nullptr,
                QStringLiteral("full") },
            { FileProblem::Kind::DuplicateService, FileProblem::Severity::Warning, m_channel.get(),
                QStringLiteral("again") },
            { FileProblem::Kind::SatelliteWithoutTransponders, FileProblem::Severity::Note, m_satellite.get(),
                QStringLiteral("empty") },
        };
    }

private slots:
    void init()
    {
        m_channel = std::make_unique<Channel>();
        m_channel->setName(QStringLiteral("ZDF HD"));
        m_channel->setServiceId(11110);
        m_provider = std::make_unique<Provider>();
        m_provider->setName(QStringLiteral("RAI"));
        m_satellite = std::make_unique<Satellite>();
        m_satellite->setName(QStringLiteral("Astra"));
        m_list = std::make_unique<ProblemListWidget>();
        m_list->resize(600, 300);
        m_list->setProblems(problems());
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
    }

    void cleanup() { m_list.reset(); }

    void listsErrorsFirstAndSortsByTheClickedColumn()
    {
        QCOMPARE(column(*m_list, ProblemListWidget::ObjectColumn),
            QStringList({ QStringLiteral("Whole file"), QStringLiteral("ZDF HD (SID 11110)"),
                QStringLiteral("RAI"), QStringLiteral("Astra") }));
        QVERIFY(!m_list->topLevelItem(0)->icon(ProblemListWidget::SeverityColumn).isNull());

        QHeaderView *header = m_list->header();
        auto clickSection = [header](int section) {
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                QPoint(header->sectionViewportPosition(section) + 5, header->height() / 2));
        };
        // Severity sorts by rank, not by its text: descending puts notes first.
        clickSection(ProblemListWidget::SeverityColumn);
        QCOMPARE(column(*m_list, ProblemListWidget::ExplanationColumn).last(), QStringLiteral("full"));
        QCOMPARE(column(*m_list, ProblemListWidget::SeverityColumn).first(), QStringLiteral("Note"));
        clickSection(ProblemListWidget::ExplanationColumn);
        QCOMPARE(column(*m_list, ProblemListWidget::ExplanationColumn),
            QStringList({ QStringLiteral("again"), QStringLiteral("empty"), QStringLiteral("full"),
                QStringLiteral("unused") }));
    }

    void doubleClickOrEnterActivatesTheObject()
    {
        QSignalSpy activated(m_list.get(), &ProblemListWidget::problemActivated);
        doubleClickRow(*m_list, 1);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.takeFirst().at(0).value<Editable *>(), m_channel.get());

        QVERIFY(giveFocus(m_list.get()));
        m_list->setCurrentItem(m_list->topLevelItem(3));
        pressKey(Qt::Key_Return);
        QCOMPARE(activated.size(), 1);
        QCOMPARE(activated.takeFirst().at(0).value<Editable *>(), m_satellite.get());
    }

    // Neither a problem of the whole file nor one whose object has been
    // deleted since the check has anything to select.
    void problemWithoutObjectActivatesNothing()
    {
        QSignalSpy activated(m_list.get(), &ProblemListWidget::problemActivated);
        doubleClickRow(*m_list, 0);
        m_channel.reset();
        doubleClickRow(*m_list, 1);
        QCOMPARE(activated.size(), 0);
        QCOMPARE(m_list->topLevelItemCount(), 4);

        m_list->setProblems({});
        QCOMPARE(m_list->topLevelItemCount(), 0);
    }

    // The list follows every edit: a re-check that finds what it shows
    // touches nothing, and one that differs keeps the rows that stayed.
    void recheckUpdatesOnlyWhatChanged()
    {
        QAbstractItemModel *model = m_list->model();
        QTreeWidgetItem *kept = m_list->topLevelItem(3);
        QSignalSpy resets(model, &QAbstractItemModel::modelReset);
        QSignalSpy layouts(model, &QAbstractItemModel::layoutChanged);
        QSignalSpy changes(model, &QAbstractItemModel::dataChanged);
        QSignalSpy inserts(model, &QAbstractItemModel::rowsInserted);
        m_list->setProblems(problems());
        QCOMPARE(changes.size() + inserts.size() + layouts.size(), 0);

        m_satellite->setName(QStringLiteral("Hotbird"));
        QList<FileProblem> fewer = problems();
        fewer.removeAt(2);
        m_list->setProblems(fewer);
        QCOMPARE(resets.size(), 0);
        QCOMPARE(inserts.size(), 0);
        QCOMPARE(m_list->topLevelItem(2), kept);
        QCOMPARE(column(*m_list, ProblemListWidget::ObjectColumn),
            QStringList({ QStringLiteral("Whole file"), QStringLiteral("RAI"), QStringLiteral("Hotbird") }));
    }

private:
    std::unique_ptr<Channel> m_channel;
    std::unique_ptr<Provider> m_provider;
    std::unique_ptr<Satellite> m_satellite;
    std::unique_ptr<ProblemListWidget> m_list;
};

QTEST_MAIN(TestProblemListWidget)
#include "tst_problemlistwidget.moc"
