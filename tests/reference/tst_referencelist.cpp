#include "reference/csvwriter.h"
#include "reference/referencelist.h"
#include "reference/referencelisttext.h"
#include "storebuilder.h"

#include <QTest>

namespace {

// "number;name;key" per entry, joined by newlines, for whole-list comparisons.
QString entriesText(const ReferenceList &list)
{
    return QString::fromUtf8(ReferenceListText::write(list)).section(u'\n', 1);
}

QString problemLines(const QList<ReferenceLineProblem> &problems)
{
    QStringList lines;
    for (const ReferenceLineProblem &problem : problems)
        lines.append(QString::number(problem.line));
    return lines.join(u' ');
}

} // namespace

class TestReferenceList : public QObject
{
    Q_OBJECT

private slots:
    void namesAndKeysRoundTrip()
    {
        const QList<ReferenceEntry> entries {
            { 1, QStringLiteral("News; Sport; Weather"), ServiceKey { 1, 1079, 28006 } },
            { 2, QStringLiteral("Первый канал"), ServiceKey { 65535, 0, 65535 } },
            { 3, QStringLiteral("  padded  "), std::nullopt },
            { 4, QStringLiteral("ελληνικά 日本"), std::nullopt },
            { 5, QString(), ServiceKey { 0, 0, 0 } },
        };
        const ReferenceList list(entries);
        const ReferenceListText::ReadResult read = ReferenceListText::read(ReferenceListText::write(list));
        QVERIFY(read.problems.isEmpty());
        QCOMPARE(entriesText(read.list), entriesText(list));
        QCOMPARE(read.list.entries().at(0).name, entries.at(0).name);
        QCOMPARE(read.list.entries().at(2).name, entries.at(2).name);
    }

    void readsOrderCommentsAndBadLines_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("badLines");
        QTest::addRow("ordered by number, ties in line order")
            << QByteArray("2;B;\n1;C;1-2-3\n2;A;\n") << QStringLiteral("1;C;1-2-3\n2;B;\n2;A;\n")
            << QString();
        QTest::addRow("comments, blanks, CRLF and a byte order mark")
            << QByteArray("\xEF\xBB\xBF# title\r\n\r\n  \r\n1;A;4-5-6\r\n  # indented comment\r\n")
            << QStringLiteral("1;A;4-5-6\n") << QString();
        QTest::addRow("spaces around number and key, not name")
            << QByteArray(" 7 ; A ; 1 - 2 - 3 \n") << QStringLiteral("7; A ;1-2-3\n") << QString();
        QTest::addRow("bad lines skipped with their numbers")
            << QByteArray("1;Good;\nno separator\n1;one separator\nx;Name;1-2-3\n\n"
                          "1;Name;1-2\n1;Name;70000-1-1\n1;Name;a-b-c\n-1;Negative;\n")
            << QStringLiteral("-1;Negative;\n1;Good;\n") << QStringLiteral("2 3 4 6 7 8");
        // The list is no spreadsheet: such names stay as they are.
        QTest::addRow("formula-like names exact")
            << QByteArray("1;=SUM(A1);\n2;+49 TV;\n3;-x;\n4;@home;\n")
            << QStringLiteral("1;=SUM(A1);\n2;+49 TV;\n3;-x;\n4;@home;\n") << QString();
    }
    void readsOrderCommentsAndBadLines()
    {
        QFETCH(QByteArray, text);
        const ReferenceListText::ReadResult read = ReferenceListText::read(text);
        QFETCH(QString, entries);
        QCOMPARE(entriesText(read.list), entries);
        QFETCH(QString, badLines);
        QCOMPARE(problemLines(read.problems), badLines);
    }

    void takenFromSettingsInMainListOrder()
    {
        StoreBuilder store("Radio|3-4-5|r,One|1-2-3,Nowhere||");
        store.addGroup("Fav", "c1 c0");
        const ReferenceList list = ReferenceList::fromSettings(store.settings);
        QCOMPARE(entriesText(list), QStringLiteral("1;One;1-2-3\n2;Nowhere;\n3;Radio;3-4-5\n"));
        QCOMPARE(list.groups().size(), 1);
        QCOMPARE(list.groups().at(0).name, QStringLiteral("Fav"));
        QCOMPARE(list.groups().at(0).members, (QList<int> { 0, 2 }));
    }

    void csvQuotesOnlyWhatNeedsIt_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::addRow("plain") << QStringLiteral("BBC One HD") << QStringLiteral("BBC One HD");
        QTest::addRow("comma") << QStringLiteral("a,b") << QStringLiteral("\"a,b\"");
        QTest::addRow("quote") << QStringLiteral("say \"hi\"") << QStringLiteral("\"say \"\"hi\"\"\"");
        QTest::addRow("line feed") << QStringLiteral("a\nb") << QStringLiteral("\"a\nb\"");
        QTest::addRow("carriage return") << QStringLiteral("a\rb") << QStringLiteral("\"a\rb\"");
        QTest::addRow("empty") << QString() << QString();
        // A spreadsheet would run these as formulas.
        QTest::addRow("equals") << QStringLiteral("=HYPERLINK(\"x\")")
                                << QStringLiteral("\"'=HYPERLINK(\"\"x\"\")\"");
        QTest::addRow("plus") << QStringLiteral("+49 TV") << QStringLiteral("'+49 TV");
        QTest::addRow("minus") << QStringLiteral("-1+2") << QStringLiteral("'-1+2");
        QTest::addRow("at") << QStringLiteral("@SUM(A1)") << QStringLiteral("'@SUM(A1)");
        QTest::addRow("tab") << QStringLiteral("\t=1") << QStringLiteral("'\t=1");
        QTest::addRow("leading carriage return") << QStringLiteral("\r=1") << QStringLiteral("\"'\r=1\"");
        QTest::addRow("sign inside") << QStringLiteral("ORF 2 + 3") << QStringLiteral("ORF 2 + 3");
    }
    void csvQuotesOnlyWhatNeedsIt()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(CsvWriter::field(text), field);
    }

    void csvHasHeaderRowsAndUtf8()
    {
        const QByteArray csv = CsvWriter::write({ QStringLiteral("No."), QStringLiteral("Name") },
            { { QStringLiteral("1"), QStringLiteral("Россия, 1") }, { QStringLiteral("2"), QString() } });
        QVERIFY(csv.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(QString::fromUtf8(csv.mid(3)), QStringLiteral("No.,Name\r\n1,\"Россия, 1\"\r\n2,\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestReferenceList)
#include "tst_referencelist.moc"
