#include "channel.h"
#include "editablemimedata.h"
#include "editabletreewidget.h"
#include "favoritegroup.h"
#include "modaldriver.h"
#include "provider.h"
#include "rooteditable.h"
#include "satellite.h"
#include "testsettings.h"
#include "transponder.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

QStringList childTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

QStringList actionTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        texts.append(action->text());
    return texts;
}

// A store with two satellites, transponders out of text order, two
// providers, two favourite groups and three channels.
struct Fixture
{
    TestSettings settings;
    Satellite *astra = new Satellite;
    Satellite *hotbird = new Satellite;
    Transponder *high = new Transponder;
    Transponder *low = new Transponder;
    Transponder *onHotbird = new Transponder;
    Provider *orf = new Provider;
    Provider *rai = new Provider;
    FavoriteGroup *news = new FavoriteGroup;
    FavoriteGroup *music = new FavoriteGroup;
    Channel *one = new Channel;
    Channel *two = new Channel;
    Channel *three = new Channel;

    Fixture()
    {
        astra->setName(QStringLiteral("Astra"));
        hotbird->setName(QStringLiteral("Hotbird"));
        settings.addSatellite(astra);
        settings.addSatellite(hotbird);
        high->setSatellite(astra);
        high->setFrequency(11700);
        low->setSatellite(astra);
        low->setFrequency(9750);
        onHotbird->setSatellite(hotbird);
        settings.addTransponder(low);
        settings.addTransponder(high);
        settings.addTransponder(onHotbird);
        orf->setName(QStringLiteral("ORF"));
        rai->setName(QStringLiteral("RAI"));
        settings.addProvider(orf);
        settings.addProvider(rai);
        news->setName(QStringLiteral("News"));
        music->setName(QStringLiteral("Music"));
        settings.addFavoriteGroup(news);
        settings.addFavoriteGroup(music);
        for (Channel *channel : { one, two, three }) {
            channel->setTransponder(high);
            settings.addChannel(nullptr, channel);
        }
        settings.addChannel(news, one);
    }
};

class TreeTestCase : public QObject
{
    Q_OBJECT

protected:
    // Sends a drag move and, when it was accepted, the drop, at the centre
    // of the target item; returns whether the drop was accepted.
    bool dragAndDrop(EditableTreeWidget &tree, QMimeData *data, QTreeWidgetItem *target)
    {
        if (!tree.isVisible()) {
            tree.resize(300, 600);
            tree.expandAll();
            tree.show();
            if (!QTest::qWaitForWindowExposed(&tree))
                return false;
        }
        const QPoint pos = tree.visualItemRect(target).center();
        QDragEnterEvent enter(pos, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree.viewport(), &enter);
        QDragMoveEvent move(pos, Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree.viewport(), &move);
        if (!move.isAccepted())
            return false;
        QDropEvent drop(QPointF(pos), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree.viewport(), &drop);
        return drop.isAccepted();
    }

    std::unique_ptr<EditableMimeData> payload(const QList<Editable *> &editables)
    {
        auto data = std::make_unique<EditableMimeData>();
        data->setEditables(editables);
        return data;
    }

    void select(EditableTreeWidget &tree, const QList<Editable *> &editables)
    {
        tree.clearSelection();
        for (Editable *editable : editables)
            tree.itemOf(editable)->setSelected(true);
    }
};

} // namespace

class TestEditableTreeWidget : public TreeTestCase
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Editable *>(); }
    void cleanup() { cancelPendingModalDrivers(); }
    void withoutStoreOnlyEmptyRootsAndNoCreate();
    void shapeFollowsStoreWithTranspondersInTextOrder();
    void contextMenuOffersWhatTheSelectionAllows_data();
    void contextMenuOffersWhatTheSelectionAllows();
    void rebuildSelectsSatellitesAndStaysSilent();
    void editedTransponderIsPlacedAnewAtOnce();
    void dropsGoThroughTheStore_data();
    void dropsGoThroughTheStore();
    void staleOrForeignPayloadIsRefused();
    void overfullFavouriteGroupIsRefusedWithTheLimit();
    void creationBeyondCapacityIsRefusedWithTheLimit();
    void cancelledCreateAddsNothing();
    void deleteKeyRemovesSelectedObjects();
};

void TestEditableTreeWidget::withoutStoreOnlyEmptyRootsAndNoCreate()
{
    EditableTreeWidget tree;
    QCOMPARE(tree.headerItem()->text(0), QStringLiteral("Objects"));
    QCOMPARE(tree.topLevelItemCount(), 3);
    QCOMPARE(tree.topLevelItem(1)->text(0), QStringLiteral("Providers"));
    QCOMPARE(tree.selectionMode(), QAbstractItemView::ExtendedSelection);
    for (QTreeWidgetItem *root : { tree.satellitesItem(), tree.providersItem() }) {
        select(tree, {});
        root->setSelected(true);
        QVERIFY(tree.contextMenuActions().isEmpty());
    }
    // The create slots must not reach for a store that is not there.
    tree.createSatellite();
    tree.createTransponder();
    tree.createProvider();
    tree.deleteSelectedEditables();
    QCOMPARE(tree.satellitesItem()->childCount(), 0);
}

void TestEditableTreeWidget::shapeFollowsStoreWithTranspondersInTextOrder()
{
    Fixture f;
    auto *orphan = new Transponder;
    f.settings.addTransponder(orphan);
    EditableTreeWidget tree;
    tree.setSettings(&f.settings);

    QCOMPARE(childTexts(tree.satellitesItem()),
        QStringList({ QStringLiteral("Astra"), QStringLiteral("Hotbird") }));
    // Text order: a four-digit frequency sorts after five digits starting with 1.
    QCOMPARE(childTexts(tree.itemOf(f.astra)),
        QStringList({ QStringLiteral("11700 H"), QStringLiteral("9750 H") }));
    QCOMPARE(childTexts(tree.itemOf(f.hotbird)), QStringList({ QStringLiteral("12000 H") }));
    QCOMPARE(childTexts(tree.providersItem()), QStringList({ QStringLiteral("ORF"), QStringLiteral("RAI") }));
    QCOMPARE(
        childTexts(tree.favoritesItem()), QStringList({ QStringLiteral("News"), QStringLiteral("Music") }));
    QCOMPARE(tree.itemOf(orphan), nullptr);

    f.orf->setName(QStringLiteral("ORF 2"));
    QCOMPARE(tree.itemOf(f.orf)->text(0), QStringLiteral("ORF 2"));
}

void TestEditableTreeWidget::contextMenuOffersWhatTheSelectionAllows_data()
{
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QStringList>("entries");
    QTest::addRow("Satellites root") << "satellitesRoot"
                                     << QStringList { QStringLiteral("create satellite") };
    QTest::addRow("Providers root") << "providersRoot" << QStringList { QStringLiteral("create provider") };
    QTest::addRow("Favorites root") << "favoritesRoot" << QStringList { QStringLiteral("edit") };
    QTest::addRow("satellite") << "satellite"
                               << QStringList { QStringLiteral("edit"), QStringLiteral("create transponder"),
                                      QStringLiteral("delete") };
    QTest::addRow("transponder") << "transponder"
                                 << QStringList { QStringLiteral("edit"), QStringLiteral("delete") };
    QTest::addRow("provider") << "provider"
                              << QStringList { QStringLiteral("edit"), QStringLiteral("delete") };
    QTest::addRow("favourite group") << "group" << QStringList { QStringLiteral("edit") };
    QTest::addRow("group and provider") << "group+provider" << QStringList { QStringLiteral("delete") };
    QTest::addRow("nothing") << "" << QStringList();
}

void TestEditableTreeWidget::contextMenuOffersWhatTheSelectionAllows()
{
    QFETCH(QString, selection);
    QFETCH(QStringList, entries);
    Fixture f;
    EditableTreeWidget tree;
    tree.setSettings(&f.settings);
    const QHash<QString, Editable *> objects {
        { QStringLiteral("satellitesRoot"), f.settings.satellitesRoot() },
        { QStringLiteral("providersRoot"), f.settings.providersRoot() },
        { QStringLiteral("favoritesRoot"), f.settings.favoritesRoot() },
        { QStringLiteral("satellite"), f.astra },
        { QStringLiteral("transponder"), f.low },
        { QStringLiteral("provider"), f.orf },
        { QStringLiteral("group"), f.news },
    };
    QList<Editable *> selected;
    const QStringList names = selection.split(u'+', Qt::SkipEmptyParts);
    for (const QString &name : names)
        selected.append(objects.value(name));
    select(tree, selected);
    QCOMPARE(actionTexts(tree.contextMenuActions()), entries);
}

void TestEditableTreeWidget::rebuildSelectsSatellitesAndStaysSilent()
{
    Fixture f;
    EditableTreeWidget tree;
    tree.setSettings(&f.settings);
    select(tree, { f.orf });
    QSignalSpy spy(&tree, &EditableTreeWidget::editableSelectionChanged);
    f.settings.addProvider(new Provider);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(tree.providersItem()->childCount(), 3);
    QCOMPARE(tree.selectedEditables(), QList<Editable *> { f.settings.satellitesRoot() });
}

void TestEditableTreeWidget::editedTransponderIsPlacedAnewAtOnce()
{
    Fixture f;
    EditableTreeWidget tree;
    tree.setSettings(&f.settings);

    f.low->setSatellite(f.hotbird);
    QCOMPARE(childTexts(tree.itemOf(f.astra)), QStringList { QStringLiteral("11700 H") });
    QCOMPARE(childTexts(tree.itemOf(f.hotbird)),
        QStringList({ QStringLiteral("12000 H"), QStringLiteral("9750 H") }));

    f.low->setFrequency(10700);
    QCOMPARE(childTexts(tree.itemOf(f.hotbird)),
        QStringList({ QStringLiteral("10700 H"), QStringLiteral("12000 H") }));

    // Losing its satellite takes it out of the tree until it has one again.
    f.low->setSatellite(nullptr);
    QCOMPARE(childTexts(tree.itemOf(f.hotbird)), QStringList { QStringLiteral("12000 H") });
    f.low->setSatellite(f.astra);
    QCOMPARE(tree.itemOf(f.low)->parent(), tree.itemOf(f.astra));
}

void TestEditableTreeWidget::dropsGoThroughTheStore_data()
{
    QTest::addColumn<QString>("dragged");
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("accepted");
    QTest::addRow("transponder onto satellite") << "low"
                                                << "hotbird" << true;
    QTest::addRow("transponder onto transponder") << "low"
                                                  << "onHotbird" << false;
    QTest::addRow("satellite onto satellite") << "astra"
                                              << "hotbird" << false;
    QTest::addRow("channel onto provider") << "two"
                                           << "rai" << true;
    QTest::addRow("channels onto group") << "two+three"
                                         << "news" << true;
    QTest::addRow("channel and transponder onto group") << "two+low"
                                                        << "news" << false;
    QTest::addRow("empty payload") << ""
                                   << "news" << false;
}

void TestEditableTreeWidget::dropsGoThroughTheStore()
{
    QFETCH(QString, dragged);
    QFETCH(QString, target);
    QFETCH(bool, accepted);
    Fixture f;
    EditableTreeWidget tree;
    tree.resize(300, 600);
    tree.setSettings(&f.settings);
    tree.expandAll();
    const QHash<QString, Editable *> objects {
        { QStringLiteral("low"), f.low },
        { QStringLiteral("hotbird"), f.hotbird },
        { QStringLiteral("onHotbird"), f.onHotbird },
        { QStringLiteral("astra"), f.astra },
        { QStringLiteral("orf"), f.orf },
        { QStringLiteral("rai"), f.rai },
        { QStringLiteral("two"), f.two },
        { QStringLiteral("three"), f.three },
        { QStringLiteral("news"), f.news },
        { QStringLiteral("satellitesRoot"), f.settings.satellitesRoot() },
    };
    QList<Editable *> editables;
    const QStringList names = dragged.split(u'+', Qt::SkipEmptyParts);
    for (const QString &name : names)
        editables.append(objects.value(name));
    auto data = payload(editables);
    QCOMPARE(dragAndDrop(tree, data.get(), tree.itemOf(objects.value(target))), accepted);

    if (target == QLatin1String("hotbird") && accepted)
        QCOMPARE(tree.itemOf(f.low)->parent(), tree.itemOf(f.hotbird));
    if (target == QLatin1String("rai"))
        QCOMPARE(f.two->provider(), accepted ? f.rai : nullptr);
    if (target == QLatin1String("news"))
        QCOMPARE(f.settings.channelsOf(f.news).size(), accepted ? 3 : 1);
    if (!accepted) {
        QCOMPARE(f.low->satellite(), f.astra);
        QCOMPARE(f.two->transponder(), f.high);
    }
}

void TestEditableTreeWidget::staleOrForeignPayloadIsRefused()
{
    Fixture f;
    EditableTreeWidget tree;
    tree.resize(300, 600);
    tree.setSettings(&f.settings);
    tree.expandAll();

    // Another program's data that claims our type carries nothing.
    QMimeData foreign;
    foreign.setData(EditableMimeData::mimeType, QByteArrayLiteral("0x1234"));
    QVERIFY(!dragAndDrop(tree, &foreign, tree.itemOf(f.rai)));

    // A payload that names a channel deleted since the drag began.
    auto data = payload({ f.three });
    f.settings.removeChannels(nullptr, { f.three });
    QVERIFY(!dragAndDrop(tree, data.get(), tree.itemOf(f.rai)));

    // Without an object under the cursor, the drop does nothing.
    auto live = payload({ f.two });
    QDropEvent drop(QPointF(5, tree.viewport()->height() - 2), Qt::MoveAction, live.get(), Qt::LeftButton,
        Qt::NoModifier);
    QApplication::sendEvent(tree.viewport(), &drop);
    QVERIFY(!drop.isAccepted());
}

void TestEditableTreeWidget::overfullFavouriteGroupIsRefusedWithTheLimit()
{
    Fixture f;
    SettingsCapacity capacity;
    capacity.channelsPerGroup = 2;
    f.settings.setCapacity(capacity);
    EditableTreeWidget tree;
    tree.resize(300, 600);
    tree.setSettings(&f.settings);
    tree.expandAll();

    QString message;
    onNextModal([&](QWidget *box) {
        message = static_cast<QMessageBox *>(box)->text();
        static_cast<QMessageBox *>(box)->accept();
    });
    auto tooMany = payload({ f.two, f.three });
    QVERIFY(!dragAndDrop(tree, tooMany.get(), tree.itemOf(f.news)));
    QVERIFY2(message.contains(QLatin1String("at most 2")), qPrintable(message));
    QCOMPARE(f.settings.channelsOf(f.news).size(), 1);

    // A channel the group already holds takes no room.
    auto fits = payload({ f.one, f.two });
    QVERIFY(dragAndDrop(tree, fits.get(), tree.itemOf(f.news)));
    QCOMPARE(f.settings.channelsOf(f.news), QList<Channel *>({ f.one, f.two }));
}

void TestEditableTreeWidget::creationBeyondCapacityIsRefusedWithTheLimit()
{
    Fixture f;
    SettingsCapacity capacity;
    capacity.satellites = 2;
    capacity.transponders = 3;
    capacity.providers = 2;
    f.settings.setCapacity(capacity);
    EditableTreeWidget tree;
    tree.setSettings(&f.settings);
    select(tree, { f.astra });

    const QList<std::pair<void (EditableTreeWidget::*)(), QString>> cases {
        { &EditableTreeWidget::createSatellite, QStringLiteral("at most 2 satellites") },
        { &EditableTreeWidget::createTransponder, QStringLiteral("at most 3 transponders") },
        { &EditableTreeWidget::createProvider, QStringLiteral("at most 2 providers") },
    };
    for (const auto &[create, expected] : cases) {
        QString message;
        onNextModal([&message](QWidget *box) {
            message = static_cast<QMessageBox *>(box)->text();
            static_cast<QMessageBox *>(box)->accept();
        });
        (tree.*create)();
        QVERIFY2(message.contains(expected), qPrintable(message));
    }
    QCOMPARE(f.settings.satellites().size(), 2);
    QCOMPARE(f.settings.transponders().size(), 3);
    QCOMPARE(f.settings.providers().size(), 2);
}

void TestEditableTreeWidget::cancelledCreateAddsNothing()
{
    Fixture f;
    EditableTreeWidget tree;
    tree.setSettings(&f.settings);
    select(tree, { f.hotbird });

    onNextModal([](QWidget *dialog) {
        child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Cancel)->click();
    });
    tree.createProvider();
    QCOMPARE(f.settings.providers().size(), 2);

    // An accepted transponder starts on the selected satellite.
    QString shownSatellite;
    onNextModal([&shownSatellite](QWidget *dialog) {
        shownSatellite = child<QComboBox>(dialog, "satelliteComboBox")->currentText();
        child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->click();
    });
    tree.createTransponder();
    QCOMPARE(shownSatellite, QStringLiteral("Hotbird"));
    QCOMPARE(f.settings.transponders().size(), 4);
    QCOMPARE(tree.itemOf(f.hotbird)->childCount(), 2);
}

void TestEditableTreeWidget::deleteKeyRemovesSelectedObjects()
{
    Fixture f;
    EditableTreeWidget tree;
    tree.setSettings(&f.settings);
    select(tree, { f.astra, f.news });
    QTest::keyClick(&tree, Qt::Key_Delete);
    // The satellite goes with its transponders and their channels; the
    // favourite group stays.
    QCOMPARE(f.settings.satellites(), QList<Satellite *> { f.hotbird });
    QCOMPARE(f.settings.transponders(), QList<Transponder *> { f.onHotbird });
    QVERIFY(f.settings.channels().isEmpty());
    QCOMPARE(
        childTexts(tree.favoritesItem()), QStringList({ QStringLiteral("News"), QStringLiteral("Music") }));
    QCOMPARE(childTexts(tree.satellitesItem()), QStringList { QStringLiteral("Hotbird") });
}

QTEST_MAIN(TestEditableTreeWidget)
#include "tst_editabletreewidget.moc"
