#include "focusedkeys.h"
#include "reference/referencelist.h"
#include "reference/referencelisttext.h"
#include "reference/referencematch.h"
#include "storebuilder.h"
#include "ui/reference/applyorderdialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QTest>

namespace {

QString labelText(const QDialog &dialog, const char *name)
{
    const auto *label = dialog.findChild<QLabel *>(QLatin1String(name));
    return label ? label->text() : QStringLiteral("<missing>");
}

QCheckBox *checkBox(const QDialog &dialog, const char *name)
{
    return dialog.findChild<QCheckBox *>(QLatin1String(name));
}

} // namespace

class TestApplyOrderDialog : public QObject
{
    Q_OBJECT

private slots:
    void showsCountsAndStartsWithEveryOptionOff()
    {
        StoreBuilder store("A|1-1-1,B|,C|,D|");
        const ReferenceListText::ReadResult text = ReferenceListText::read("1;;1-1-1\n2;b;\nbroken\n");
        const ReferenceMatch match(store.settings.mainChannelList(), text.list);
        ApplyOrderDialog dialog(QStringLiteral("old.txt"), text.list, match, int(text.problems.size()));
        QCOMPARE(labelText(dialog, "byIdCount"), QStringLiteral("1"));
        QCOMPARE(labelText(dialog, "byNameCount"), QStringLiteral("1"));
        QCOMPARE(labelText(dialog, "unmatchedCount"), QStringLiteral("2"));
        QVERIFY(labelText(dialog, "referenceLabel").contains(QStringLiteral("old.txt")));
        QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("skippedLinesLabel"))->isHidden());
        // A text list brings no favourite groups.
        QVERIFY(!checkBox(dialog, "takeFavoritesCheckBox")->isEnabled());
        const ApplyOrderOptions options = dialog.options();
        QVERIFY(!options.takeNames && !options.takeFavorites && !options.dropUnmatched);
    }

    void choicesReachTheOptionsAndEnterApplies()
    {
        StoreBuilder store("A|1-1-1");
        const ReferenceList reference = ReferenceList::fromSettings(store.settings);
        QVERIFY(!reference.hasGroups());
        store.addGroup("G", "c0");
        const ReferenceList withGroups = ReferenceList::fromSettings(store.settings);
        const ReferenceMatch match(store.settings.mainChannelList(), withGroups);
        ApplyOrderDialog dialog(QStringLiteral("other.si"), withGroups, match, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.findChild<QLabel *>(QStringLiteral("skippedLinesLabel"))->isHidden());
        for (const char *name : { "takeFavoritesCheckBox", "dropUnmatchedCheckBox" }) {
            QCheckBox *box = checkBox(dialog, name);
            QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
        }
        const ApplyOrderOptions options = dialog.options();
        QVERIFY(!options.takeNames && options.takeFavorites && options.dropUnmatched);
        pressKeyIn(&dialog, Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(TestApplyOrderDialog)
#include "tst_applyorderdialog.moc"
