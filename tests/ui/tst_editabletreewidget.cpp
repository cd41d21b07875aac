#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "testsettings.h"
#include "ui/editabletreewidget.h"
#include "uitest.h"

#include <QAction>
#include <QComboBox>
#include <QDrag>
#include <QSignalSpy>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

QStringList childTexts(const QTreeWidgetItem *item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts.append(item->child(i)->text(0));
    return texts;
}

// A tree on a store with two satellites, transponders out of text order,
// two providers, two favourite groups and three channels, the first of
// them in the group News.
struct Fixture
{
    TestSettings settings;
    Satellite *astra = named<Satellite>(u"Astra"_s);
    Satellite *hotbird = named<Satellite>(u"Hotbird"_s);
    Transponder *high = new Transponder;
    Transponder *low = new Transponder;
    Transponder *onHotbird = new Transponder;
    Provider *orf = named<Provider>(u"ORF"_s);
    Provider *rai = named<Provider>(u"RAI"_s);
    FavoriteGroup *news = named<FavoriteGroup>(u"News"_s);
    Channel *one = new Channel;
    Channel *two = new Channel;
    Channel *three = new Channel;
    EditableTreeWidget tree;

    Fixture()
    {
        settings.addSatellite(astra);
        settings.addSatellite(hotbird);
        for (auto [transponder, satellite, frequency] : { std::tuple(low, astra, 9750),
                 std::tuple(high, astra, 11700), std::tuple(onHotbird, hotbird, 12000) }) {
            transponder->setSatellite(satellite);
            transponder->setFrequency(quint16(frequency));
            settings.addTransponder(transponder);
        }
        settings.addProvider(orf);
        settings.addProvider(rai);
        settings.addFavoriteGroup(news);
        settings.addFavoriteGroup(named<FavoriteGroup>(u"Music"_s));
        for (Channel *channel : { one, two, three }) {
            channel->setTransponder(high);
            settings.addChannel(nullptr, channel);
        }
        settings.addChannel(news, one);
        tree.resize(300, 600);
        tree.setSettings(&settings);
    }

    // The objects of a space-separated list of names.
    QList<Editable *> objects(const QByteArray &names)
    {
        const QHash<QString, Editable *> all { { u"satellitesRoot"_s, settings.satellitesRoot() },
            { u"providersRoot"_s, settings.providersRoot() },
            { u"favoritesRoot"_s, settings.favoritesRoot() }, { u"astra"_s, astra },
            { u"hotbird"_s, hotbird }, { u"low"_s, low }, { u"high"_s, high }, { u"onHotbird"_s, onHotbird },
            { u"orf"_s, orf }, { u"rai"_s, rai }, { u"news"_s, news }, { u"two"_s, two },
            { u"three"_s, three } };
        QList<Editable *> found;
        for (const QString &name : words(names.constData()))
            found.append(all.value(name));
        return found;
    }
    void select(const QList<Editable *> &editables)
    {
        tree.clearSelection();
        for (Editable *editable : editables)
            tree.itemOf(editable)->setSelected(true);
    }
    bool showExpanded()
    {
        tree.expandAll();
        tree.show();
        return QTest::qWaitForWindowExposed(&tree);
    }
    QPoint centreOf(const Editable *editable) const
    {
        return tree.visualItemRect(tree.itemOf(editable)).center();
    }
    // Drops onto the centre of the target's item, in a shown, expanded tree.
    bool drop(const QMimeData *data, Editable *target)
    {
        return showExpanded() && dragAndDropData(&tree, data, centreOf(target));
    }
    bool drop(const QList<Editable *> &objects, Editable *target)
    {
        EditableMimeData payload;
        payload.setEditables(objects);
        return drop(&payload, target);
    }
};

} // namespace

class TestEditableTreeWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<Editable *>(); }
    void cleanup() { cancelPendingModalDrivers(); }

    void withoutStoreNothingIsOfferedOrCreated()
    {
        EditableTreeWidget tree;
        tree.satellitesItem()->setSelected(true);
        QVERIFY(tree.contextMenuActions().isEmpty());
        // The slots must not reach for a store that is not there.
        tree.createSatellite();
        tree.createTransponder();
        tree.createProvider();
        tree.deleteSelectedEditables();
        QCOMPARE(tree.satellitesItem()->childCount(), 0);
    }

    void shapeFollowsStoreWithTranspondersInTextOrder()
    {
        Fixture f;
        f.settings.addTransponder(new Transponder); // without satellite: not shown
        QCOMPARE(childTexts(f.tree.satellitesItem()), words("Astra Hotbird"));
        // Text order: a four-digit frequency sorts after five digits starting with 1.
        QCOMPARE(childTexts(f.tree.itemOf(f.astra)).join(u','), u"11700 H,9750 H"_s);
        QCOMPARE(childTexts(f.tree.itemOf(f.hotbird)).join(u','), u"12000 H"_s);
        QCOMPARE(childTexts(f.tree.providersItem()), words("ORF RAI"));
        QCOMPARE(childTexts(f.tree.favoritesItem()), words("News Music"));
        f.orf->setName(u"ORF 2"_s);
        QCOMPARE(f.tree.itemOf(f.orf)->text(0), u"ORF 2"_s);

        // An edited transponder moves to its new place at once.
        f.low->setSatellite(f.hotbird);
        QCOMPARE(childTexts(f.tree.itemOf(f.astra)).join(u','), u"11700 H"_s);
        QCOMPARE(childTexts(f.tree.itemOf(f.hotbird)).join(u','), u"12000 H,9750 H"_s);
        f.low->setFrequency(10700);
        QCOMPARE(childTexts(f.tree.itemOf(f.hotbird)).join(u','), u"10700 H,12000 H"_s);
        // Losing its satellite takes it out of the tree until it has one again.
        f.low->setSatellite(nullptr);
        QCOMPARE(childTexts(f.tree.itemOf(f.hotbird)).join(u','), u"12000 H"_s);
        f.low->setSatellite(f.astra);
        QCOMPARE(f.tree.itemOf(f.low)->parent(), f.tree.itemOf(f.astra));
    }

    void contextMenuOffersWhatTheSelectionAllows_data()
    {
        QTest::addColumn<QByteArray>("selection");
        QTest::addColumn<QString>("entries");
        QTest::addRow("Satellites root") << "satellitesRoot"_ba << u"Create &Satellite…"_s;
        QTest::addRow("Providers root") << "providersRoot"_ba << u"Create &Provider…"_s;
        QTest::addRow("Favorites root") << "favoritesRoot"_ba << QString();
        QTest::addRow("satellite") << "astra"_ba << u"&Edit…,Create &Transponder…,&Delete"_s;
        QTest::addRow("transponder") << "low"_ba << u"&Edit…,&Delete"_s;
        QTest::addRow("provider") << "orf"_ba << u"&Edit…,&Delete"_s;
        QTest::addRow("favourite group") << "news"_ba << u"&Edit…"_s;
        QTest::addRow("group and provider") << "news orf"_ba << u"&Delete"_s;
        QTest::addRow("nothing") << QByteArray() << QString();
    }
    void contextMenuOffersWhatTheSelectionAllows()
    {
        QFETCH(QByteArray, selection);
        QFETCH(QString, entries);
        Fixture f;
        f.select(f.objects(selection));
        QStringList texts;
        const QList<QAction *> actions = f.tree.contextMenuActions();
        for (const QAction *action : actions)
            texts.append(action->text());
        QCOMPARE(texts.join(u','), entries);
    }

    void rebuildKeepsExpansionAndSelectedObjects()
    {
        Fixture f;
        f.tree.itemOf(f.astra)->setExpanded(true);
        f.select({ f.orf, f.low });
        QSignalSpy spy(&f.tree, &EditableTreeWidget::editableSelectionChanged);
        f.settings.addProvider(new Provider);
        QCOMPARE(f.tree.providersItem()->childCount(), 3);
        QCOMPARE(f.tree.selectedEditables(), f.objects("orf low"));
        QVERIFY(f.tree.itemOf(f.astra)->isExpanded() && !f.tree.itemOf(f.hotbird)->isExpanded());
        QCOMPARE(spy.count(), 0);

        // The first selected object gone: the window is told once, with
        // nothing, so that it falls back from the deleted object.
        f.settings.removeEditables({ f.orf });
        QCOMPARE(f.tree.selectedEditables(), f.objects("low"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().first().value<Editable *>(), f.low);
        f.settings.removeEditables({ f.low });
        QVERIFY(f.tree.selectedItems().isEmpty());
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.last().first().value<Editable *>(), nullptr);
    }

    // Opening another file: a store of the same shape takes over the items,
    // any other gets new ones; either way the tree must show it exactly as
    // a tree built for it alone, with nothing left selected or unfolded.
    void newStoreShowsAsIfBuiltAlone_data()
    {
        QTest::addColumn<bool>("sameShape");
        QTest::addRow("same shape") << true;
        QTest::addRow("one transponder more") << false;
    }
    void newStoreShowsAsIfBuiltAlone()
    {
        QFETCH(bool, sameShape);
        Fixture f;
        f.tree.itemOf(f.astra)->setExpanded(true);
        f.select({ f.orf, f.low });
        f.tree.setCurrentItem(f.tree.itemOf(f.low), 0, QItemSelectionModel::NoUpdate);
        Fixture other;
        other.astra->setName(u"Astra 2"_s);
        // Another text order under Astra than the first store's.
        other.low->setFrequency(12500);
        other.high->setFrequency(10700);
        other.rai->setName(u"Mediaset"_s);
        if (!sameShape) {
            auto *extra = new Transponder;
            extra->setSatellite(other.astra);
            other.settings.addTransponder(extra);
        }
        QSignalSpy spy(&f.tree, &EditableTreeWidget::editableSelectionChanged);
        f.tree.setSettings(&other.settings);

        const std::function<void(const QTreeWidgetItem *, const QTreeWidgetItem *)> sameItems
            = [&](const QTreeWidgetItem *shown, const QTreeWidgetItem *alone) {
                  QCOMPARE(shown->text(0), alone->text(0));
                  QCOMPARE(f.tree.editableOf(shown), other.tree.editableOf(alone));
                  QCOMPARE(EditableTreeWidget::idOf(shown), EditableTreeWidget::idOf(alone));
                  QCOMPARE(f.tree.itemOf(f.tree.editableOf(shown)), shown);
                  QCOMPARE(shown->isExpanded() && shown->parent(), false);
                  QCOMPARE(shown->childCount(), alone->childCount());
                  for (int i = 0; i < shown->childCount(); ++i)
                      sameItems(shown->child(i), alone->child(i));
              };
        for (int i = 0; i < f.tree.topLevelItemCount(); ++i)
            sameItems(f.tree.topLevelItem(i), other.tree.topLevelItem(i));
        QCOMPARE(childTexts(f.tree.itemOf(other.astra)).first(), u"10700 H"_s);
        QCOMPARE(f.tree.selectedEditables(), other.objects("satellitesRoot"));
        QVERIFY(!f.tree.currentItem() || !f.tree.currentItem()->parent());
        QCOMPARE(spy.count(), 0);
        // The new store's changes reach their items.
        other.low->setFrequency(9000);
        QCOMPARE(childTexts(f.tree.itemOf(other.astra)).last(), u"9000 H"_s);
    }

    // A delete takes the items out instead of building the tree again: what
    // is left must be what a tree built for the store alone shows, with the
    // survivors' folding and selection kept.
    void deleteLeavesTheTreeAsIfBuiltAlone_data()
    {
        QTest::addColumn<QByteArray>("doomed");
        QTest::addRow("satellite with its transponders") << "hotbird"_ba;
        QTest::addRow("transponder and provider") << "low rai"_ba;
        QTest::addRow("selected provider") << "orf"_ba;
    }
    void deleteLeavesTheTreeAsIfBuiltAlone()
    {
        QFETCH(QByteArray, doomed);
        Fixture f;
        f.tree.itemOf(f.astra)->setExpanded(true);
        f.select({ f.orf, f.high });
        f.settings.removeEditables(f.objects(doomed));
        EditableTreeWidget alone;
        alone.setSettings(&f.settings);
        const std::function<void(const QTreeWidgetItem *, const QTreeWidgetItem *)> sameItems
            = [&](const QTreeWidgetItem *shown, const QTreeWidgetItem *fresh) {
                  QCOMPARE(shown->text(0), fresh->text(0));
                  QCOMPARE(f.tree.editableOf(shown), alone.editableOf(fresh));
                  QCOMPARE(f.tree.itemOf(f.tree.editableOf(shown)), shown);
                  QCOMPARE(f.tree.itemOfId(EditableTreeWidget::idOf(shown)), shown);
                  QCOMPARE(shown->childCount(), fresh->childCount());
                  for (int i = 0; i < shown->childCount(); ++i)
                      sameItems(shown->child(i), fresh->child(i));
              };
        for (int i = 0; i < f.tree.topLevelItemCount(); ++i)
            sameItems(f.tree.topLevelItem(i), alone.topLevelItem(i));
        QVERIFY(f.tree.itemOf(f.astra)->isExpanded());
        QCOMPARE(f.tree.selectedEditables(), f.objects(doomed == "orf" ? "high" : "orf high"));
        // The survivors' changes still reach their items.
        f.astra->setName(u"Astra 1"_s);
        QCOMPARE(f.tree.itemOf(f.astra)->text(0), alone.itemOf(f.astra)->text(0));
    }

    void oneOperationRebuildsOnce()
    {
        Fixture f;
        QSignalSpy removals(f.tree.model(), &QAbstractItemModel::rowsRemoved);
        // A batch that changes the satellite, transponder and provider lists.
        f.settings.removeEditables(f.objects("hotbird rai"));
        QCOMPARE(childTexts(f.tree.providersItem()), words("ORF"));
        const QModelIndex providers = f.tree.model()->index(1, 0);
        int providerRebuilds = 0;
        for (const QList<QVariant> &removal : std::as_const(removals))
            providerRebuilds += removal.first().toModelIndex() == providers;
        QCOMPARE(providerRebuilds, 1);
    }

    void editedTransponderMovesOnlyWhenItsPlaceChanges()
    {
        Fixture f;
        f.select({ f.low, f.orf });
        QSignalSpy told(&f.tree, &EditableTreeWidget::editableSelectionChanged);
        QSignalSpy selections(f.tree.selectionModel(), &QItemSelectionModel::selectionChanged);
        QTreeWidgetItem *item = f.tree.itemOf(f.low);
        // An unchanged dialog calls every setter: nothing moves.
        onNextModal([](QWidget *dialog) { press(dialog, QDialogButtonBox::Ok); });
        f.tree.editEditable();
        QCOMPARE(selections.count(), 0);
        // A new frequency that sorts it first, then another satellite.
        f.low->setFrequency(10700);
        QCOMPARE(childTexts(f.tree.itemOf(f.astra)).join(u','), u"10700 H,11700 H"_s);
        f.low->setSatellite(f.hotbird);
        QCOMPARE(f.tree.itemOf(f.low), item);
        QCOMPARE(item->parent(), f.tree.itemOf(f.hotbird));
        QCOMPARE(f.tree.selectedEditables(), f.objects("low orf"));
        QCOMPARE(told.count(), 0);
    }

    void mousePressOnSelectionWaitsForDragOrClick()
    {
        Fixture f;
        QVERIFY(f.showExpanded());
        QWidget *viewport = f.tree.viewport();
        f.select(f.objects("low orf"));
        const QPoint low = f.centreOf(f.low);
        // Below the drag distance it is neither a drag nor a range selection.
        QTest::mousePress(viewport, Qt::LeftButton, {}, low);
        QTest::mouseMove(viewport, low + QPoint(0, 2));
        QCOMPARE(f.tree.selectedEditables(), f.objects("low orf"));
        // A drag to RAI: it carries the selection, and nothing of its mouse
        // events selects what lies between.
        QList<Editable *> carried;
        QObject watcher;
        f.tree.installEventFilter(&watcher);
        const auto catchDrag = [&carried, &f] {
            if (auto *drag = f.tree.findChild<QDrag *>())
                carried = editablesFromMimeData(drag->mimeData());
        };
        QTest::mouseMove(viewport, f.centreOf(f.rai));
        catchDrag();
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, f.centreOf(f.rai));
        QCOMPARE(carried, f.objects("low orf"));
        QCOMPARE(f.tree.selectedEditables(), f.objects("low orf"));
        QCOMPARE(f.settings.providers().size(), 2);
        // A click without a move selects the clicked item alone.
        QTest::mouseClick(viewport, Qt::LeftButton, {}, f.centreOf(f.orf));
        QCOMPARE(f.tree.selectedEditables(), f.objects("orf"));
    }

    void rightClickDeletesOnlyTheItemUnderTheCursor()
    {
        Fixture f;
        QVERIFY(f.showExpanded());
        f.select(f.objects("astra orf"));
        const QPoint rai = f.centreOf(f.rai);
        // The menu's own event, without a press that might have selected:
        // its press can go elsewhere, as to a drag that just ended.
        QStringList shown;
        chooseFromNextMenu(u"&Delete"_s, &shown);
        QContextMenuEvent menu(QContextMenuEvent::Mouse, rai, f.tree.viewport()->mapToGlobal(rai));
        QApplication::sendEvent(f.tree.viewport(), &menu);
        QCOMPARE(shown, QStringList({ u"&Edit…"_s, u"&Delete"_s }));
        QCOMPARE(names(f.settings.providers()), words("ORF"));
        QCOMPARE(names(f.settings.satellites()), words("Astra Hotbird"));
    }

    void keysAndDoubleClickEditWithoutFolding()
    {
        Fixture f;
        QVERIFY(f.showExpanded());
        int dialogs = 0;
        const auto countAndCancel = [&dialogs](QWidget *dialog) {
            ++dialogs;
            press(dialog, QDialogButtonBox::Cancel);
        };
        f.tree.setCurrentItem(f.tree.itemOf(f.orf));
        for (Qt::Key key : { Qt::Key_Return, Qt::Key_F2 }) {
            onNextModal(countAndCancel);
            QVERIFY(giveFocus(&f.tree));
            pressKey(key);
        }
        QCOMPARE(dialogs, 2);
        onNextModal(countAndCancel);
        // The events a real double click delivers.
        const QPoint astra = f.centreOf(f.astra);
        QTest::mouseClick(f.tree.viewport(), Qt::LeftButton, {}, astra);
        QTest::mousePress(f.tree.viewport(), Qt::LeftButton, {}, astra);
        QTest::mouseDClick(f.tree.viewport(), Qt::LeftButton, {}, astra);
        QTest::mouseRelease(f.tree.viewport(), Qt::LeftButton, {}, astra);
        QCOMPARE(dialogs, 3);
        QVERIFY(f.tree.itemOf(f.astra)->isExpanded());
    }

    void dropTargetIsHighlightedWhileHovered()
    {
        Fixture f;
        QVERIFY(f.showExpanded());
        EditableMimeData payload;
        payload.setEditables(f.objects("two"));
        const auto hover = [&](const Editable *target) {
            const QPoint pos = f.centreOf(target);
            QDragEnterEvent enter(pos, Qt::MoveAction, &payload, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(f.tree.viewport(), &enter);
            QDragMoveEvent move(pos, Qt::MoveAction, &payload, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(f.tree.viewport(), &move);
        };
        const auto highlighted = [&f](const Editable *editable) {
            return f.tree.itemOf(editable)->data(0, Qt::BackgroundRole).isValid();
        };
        hover(f.rai);
        QVERIFY(highlighted(f.rai));
        hover(f.astra); // refused: a channel cannot go onto a satellite
        QVERIFY(!highlighted(f.rai) && !highlighted(f.astra));
        hover(f.news);
        QDragLeaveEvent leave;
        QApplication::sendEvent(f.tree.viewport(), &leave);
        QVERIFY(!highlighted(f.news));
    }

    void dropsGoThroughTheStore_data()
    {
        QTest::addColumn<QByteArray>("drop"); // dragged > target
        QTest::addColumn<bool>("accepted");
        QTest::addRow("transponder onto satellite") << "low > hotbird"_ba << true;
        QTest::addRow("transponder onto transponder") << "low > onHotbird"_ba << false;
        QTest::addRow("satellite onto satellite") << "astra > hotbird"_ba << false;
        QTest::addRow("channel onto provider") << "two > rai"_ba << true;
        QTest::addRow("channels onto group") << "two three > news"_ba << true;
        QTest::addRow("channel and transponder onto group") << "two low > news"_ba << false;
        QTest::addRow("empty payload") << " > news"_ba << false;
    }
    void dropsGoThroughTheStore()
    {
        QFETCH(QByteArray, drop);
        QFETCH(bool, accepted);
        Fixture f;
        const QList<QByteArray> ends = drop.split('>');
        QCOMPARE(f.drop(f.objects(ends.first()), f.objects(ends.last()).first()), accepted);
        const auto applied = [&](const char *onto) { return accepted && ends.last().trimmed() == onto; };
        QCOMPARE(f.tree.itemOf(f.low)->parent(), f.tree.itemOf(applied("hotbird") ? f.hotbird : f.astra));
        QCOMPARE(f.two->provider(), applied("rai") ? f.rai : nullptr);
        QCOMPARE(f.settings.channelsOf(f.news).size(), applied("news") ? 3 : 1);
        QCOMPARE(f.two->transponder(), f.high);
    }

    void staleOrForeignPayloadIsRefused()
    {
        Fixture f;
        // Another program's data that claims our type carries nothing.
        QMimeData foreign;
        foreign.setData(EditableMimeData::mimeType, QByteArrayLiteral("0x1234"));
        QVERIFY(!f.drop(&foreign, f.rai));
        // A payload that names a channel deleted since the drag began.
        EditableMimeData stale;
        stale.setEditables({ f.three });
        f.settings.removeChannels(nullptr, { f.three });
        QVERIFY(!f.drop(&stale, f.rai));
        // Without an object under the cursor, the drop does nothing.
        EditableMimeData live;
        live.setEditables({ f.two });
        QDropEvent drop(QPointF(5, f.tree.viewport()->height() - 2), Qt::MoveAction, &live, Qt::LeftButton,
            Qt::NoModifier);
        QApplication::sendEvent(f.tree.viewport(), &drop);
        QVERIFY(!drop.isAccepted());
        QCOMPARE(f.two->provider(), nullptr);
    }

    void beyondCapacityIsRefusedWithTheLimit()
    {
        Fixture f;
        SettingsCapacity capacity;
        capacity.satellites = 2;
        capacity.transponders = 3;
        capacity.providers = 2;
        capacity.channelsPerGroup = 2;
        f.settings.setCapacity(capacity);
        f.select({ f.astra });
        const QList<std::pair<void (EditableTreeWidget::*)(), QString>> creations {
            { &EditableTreeWidget::createSatellite, u"at most 2 satellites"_s },
            { &EditableTreeWidget::createTransponder, u"at most 3 transponders"_s },
            { &EditableTreeWidget::createProvider, u"at most 2 providers"_s },
        };
        QString message;
        for (const auto &[create, expected] : creations) {
            answerNextMessage(&message);
            (f.tree.*create)();
            QVERIFY2(message.contains(expected), qPrintable(message));
        }
        QCOMPARE(f.settings.satellites().size() + f.settings.transponders().size(), 5);
        QCOMPARE(f.settings.providers().size(), 2);

        answerNextMessage(&message);
        QVERIFY(!f.drop({ f.two, f.three }, f.news));
        QVERIFY2(message.contains(QLatin1String("at most 2")), qPrintable(message));
        QCOMPARE(f.settings.channelsOf(f.news).size(), 1);
        // A channel the group already holds takes no room.
        QVERIFY(f.drop({ f.one, f.two }, f.news));
        QCOMPARE(f.settings.channelsOf(f.news), QList<Channel *>({ f.one, f.two }));
    }

    void createRunsTheDialogAndStartsOnSelectedSatellite()
    {
        Fixture f;
        f.select({ f.hotbird });
        onNextModal([](QWidget *dialog) { press(dialog, QDialogButtonBox::Cancel); });
        f.tree.createProvider();
        QCOMPARE(f.settings.providers().size(), 2);

        QString shownSatellite;
        onNextModal([&shownSatellite](QWidget *dialog) {
            shownSatellite = child<QComboBox>(dialog, "satelliteComboBox")->currentText();
            press(dialog, QDialogButtonBox::Ok);
        });
        f.tree.createTransponder();
        QCOMPARE(shownSatellite, u"Hotbird"_s);
        QCOMPARE(f.settings.transponders().size(), 4);
        QCOMPARE(f.tree.itemOf(f.hotbird)->childCount(), 2);
    }

    void deleteKeyRemovesSelectedObjects()
    {
        Fixture f;
        f.select({ f.astra, f.news });
        QVERIFY(giveFocus(&f.tree));
        pressKey(Qt::Key_Delete);
        // The satellite goes with its transponders and their channels; the
        // favourite group stays.
        QCOMPARE(f.settings.transponders(), QList<Transponder *> { f.onHotbird });
        QVERIFY(f.settings.channels().isEmpty());
        QCOMPARE(childTexts(f.tree.satellitesItem()), words("Hotbird"));
        QCOMPARE(childTexts(f.tree.favoritesItem()), words("News Music"));
    }
};

QTEST_MAIN(TestEditableTreeWidget)
#include "tst_editabletreewidget.moc"
