#include "commands/settingshistory.h"
#include "demosettingsbuilder.h"
#include "kelmoratestimage.h"
#include "randomeditor.h"
#include "snapshot/settingssnapshot.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

#include <functional>

using Operation = std::function<void(Settings *)>;
Q_DECLARE_METATYPE(DemoSettingsBuilder::Model)
Q_DECLARE_METATYPE(Operation)

namespace {

// Saves as the window does: the save's tidying is a step of its own.
QByteArray savedBytes(Settings *settings, SettingsHistory &history)
{
    const QByteArray bytes = saveBytes(settings);
    history.commitAs(QStringLiteral("Tidy for Saving"));
    return bytes;
}

// The store's whole content at every point of a history, by the stack's
// index; a save written from equal content is equal bytes.
struct Points
{
    Settings *settings;
    QUndoStack *stack;
    QList<SettingsSnapshot> contents;

    void note()
    {
        while (contents.size() <= stack->count())
            contents.append(SettingsSnapshot::capture(*settings));
    }
    bool holdsAt(int point) const { return SettingsSnapshot::capture(*settings) == contents.at(point); }
};

// The channels of the main list that a group does not hold yet.
QList<Editable *> channelsOutside(Settings *s, FavoriteGroup *group, int count)
{
    QList<Editable *> found;
    const QList<Channel *> members = s->channelsOf(group);
    for (Channel *channel : s->channels())
        if (found.size() < count && !members.contains(channel))
            found.append(channel);
    return found;
}

template<typename T> T *otherThan(const QList<T *> &objects, const T *object)
{
    for (T *candidate : objects)
        if (candidate != object)
            return candidate;
    return nullptr;
}

} // namespace

// The history gives back exactly what the store held before and after every
// step, and names each step as the user took it.
class TestSettingsHistory : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedoGiveBackTheSavedBytesOfEveryStep_data()
    {
        QTest::addColumn<DemoSettingsBuilder::Model>("model");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : { 21u, 22u }) {
            QTest::addRow("2XX seed %u", seed) << DemoSettingsBuilder::Model::Kelmora2XX << seed;
            QTest::addRow("HD seed %u", seed) << DemoSettingsBuilder::Model::KelmoraHD << seed;
        }
    }

    void undoAndRedoGiveBackTheSavedBytesOfEveryStep()
    {
        QFETCH(DemoSettingsBuilder::Model, model);
        QFETCH(quint32, seed);
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(model));
        QVERIFY(settings);
        SettingsHistory history;
        history.setSettings(settings.get());
        QUndoStack *stack = history.stack();
        stack->setUndoLimit(0);
        RandomEditor editor { settings.get(), QRandomGenerator(seed) };
        Points points { settings.get(), stack, {} };
        points.note();
        for (int operation = 0; operation < 300; ++operation) {
            const int stepsBefore = stack->count();
            editor.step();
            history.commitPending();
            // One user action is one step at most, whatever it cascaded into.
            QVERIFY(stack->count() - stepsBefore <= 1);
            points.note();
            // Now and then a save, whose tidying is a step of its own.
            if (operation % 25 == 24) {
                savedBytes(settings.get(), history);
                points.note();
            }
        }
        const QByteArray edited = saveBytes(settings.get());
        history.commitPending();
        points.note();
        QVERIFY(stack->count() > 150);

        for (int step = stack->count() - 1; step >= 0; --step) {
            history.undo();
            QVERIFY2(points.holdsAt(step), qPrintable(stack->text(step)));
        }
        QVERIFY(!stack->canUndo());
        for (int step = 1; step < points.contents.size(); ++step) {
            history.redo();
            QVERIFY2(points.holdsAt(step), qPrintable(stack->text(step - 1)));
        }
        QVERIFY(!stack->canRedo());
        QCOMPARE(saveBytes(settings.get()), edited);
    }

    void namesEachKindOfStep_data()
    {
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("text");
        QTest::addRow("satellite with its cascades")
            << Operation([](Settings *s) { s->removeSatellites({ s->satellites().first() }); })
            << "Delete Satellite";
        QTest::addRow("channels") << Operation([](Settings *s) {
            s->removeChannels(nullptr, s->channels().mid(0, 3));
        }) << "Delete 3 Channels";
        QTest::addRow("created transponder") << Operation([](Settings *s) {
            auto *transponder = new Transponder;
            transponder->setSatellite(s->satellites().first());
            s->addTransponder(transponder);
        }) << "Create Transponder";
        QTest::addRow("group grows") << Operation([](Settings *s) {
            FavoriteGroup *group = s->favoriteGroups().first();
            s->dropEditables(channelsOutside(s, group, 2), group, nullptr);
        }) << "Add 2 Channels to Group";
        QTest::addRow("group shrinks") << Operation([](Settings *s) {
            FavoriteGroup *group = s->favoriteGroups().first();
            s->removeChannels(group, s->channelsOf(group).mid(0, 1));
        }) << "Remove Channel from Group";
        QTest::addRow("channels to a provider") << Operation([](Settings *s) {
            Channel *first = s->channels().first();
            QList<Editable *> dragged;
            for (Channel *channel : s->channels())
                if (channel->provider() == first->provider())
                    dragged.append(channel);
            s->dropEditables(dragged, otherThan(s->providers(), first->provider()), nullptr);
        }) << QStringLiteral("Move %1 Channels to Provider");
        QTest::addRow("transponder to a satellite") << Operation([](Settings *s) {
            Transponder *transponder = s->transponders().first();
            s->dropEditables({ transponder }, otherThan(s->satellites(), transponder->satellite()), nullptr);
        }) << "Move Transponder to Satellite";
        QTest::addRow("channel reordered") << Operation([](Settings *s) {
            s->dropEditables({ s->channels().at(3) }, s->channels().at(0), nullptr);
        }) << "Move Channel";
        QTest::addRow("two channels reordered") << Operation([](Settings *s) {
            s->dropEditables({ s->channels().at(3), s->channels().at(4) }, s->channels().at(0), nullptr);
        }) << "Move 2 Channels";
        QTest::addRow("renamed channel")
            << Operation([](Settings *s) { s->channels().first()->setName(QStringLiteral("Renamed")); })
            << "Rename Channel";
        QTest::addRow("channel dialog") << Operation([](Settings *s) {
            Channel *channel = s->channels().first();
            channel->setName(QStringLiteral("Renamed"));
            channel->setServiceId(4321);
        }) << "Edit Channel";
        QTest::addRow("radio channel turned TV") << Operation([](Settings *s) {
            for (Channel *channel : s->channels())
                if (!channel->isTv())
                    return channel->setServiceType(0);
        }) << "Edit Channel";
        QTest::addRow("satellite dialog")
            << Operation([](Settings *s) { s->satellites().first()->setPosition(1234); }) << "Edit Satellite";
        QTest::addRow("two channels renamed by one action") << Operation([](Settings *s) {
            s->channels().at(0)->setName(QStringLiteral("One"));
            s->channels().at(1)->setName(QStringLiteral("Two"));
        }) << "Rename 2 Channels";
        QTest::addRow("channel given another provider by its dialog") << Operation([](Settings *s) {
            Channel *channel = s->channels().first();
            channel->setProvider(otherThan(s->providers(), channel->provider()));
        }) << "Move Channel to Provider";
        QTest::addRow("renamed group")
            << Operation([](Settings *s) { s->favoriteGroups().first()->setName(QStringLiteral("Mine")); })
            << "Rename Favorite Group";
    }

    void namesEachKindOfStep()
    {
        QFETCH(Operation, operation);
        QFETCH(QString, text);
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        QVERIFY(settings);
        SettingsHistory history;
        history.setSettings(settings.get());
        const auto provider = settings->channels().first()->provider();
        const auto sameProvider = std::count_if(settings->channels().cbegin(), settings->channels().cend(),
            [provider](const Channel *channel) { return channel->provider() == provider; });
        operation(settings.get());
        history.commitPending();
        QCOMPARE(history.stack()->count(), 1);
        QCOMPARE(history.stack()->text(0), text.arg(sameProvider));
    }

    // What the program changes on its own is a step it names: a save's
    // tidying, and the restore of unsaved changes over the opened file.
    // Undo gives back the store before it, with the same objects.
    void programStepsAreNamedAndUndoToTheirStart_data()
    {
        QTest::addColumn<Operation>("prepare");
        QTest::addColumn<Operation>("operation");
        QTest::addColumn<QString>("text");
        const Operation nothing = [](Settings *) {};
        const Operation nameProviderLikeFirst
            = [](Settings *s) { s->providers().at(1)->setName(s->providers().first()->name()); };
        const Operation save = [](Settings *s) { (void)saveBytes(s); };
        const Operation restoreEdited = [](Settings *s) {
            auto edited = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
            edited->removeSatellites({ edited->satellites().first() });
            QVERIFY(SettingsSnapshot::capture(*edited).restore(*s));
        };
        QTest::addRow("providers merged by a save") << nameProviderLikeFirst << save << "Tidy for Saving";
        QTest::addRow("unsaved changes restored") << nothing << restoreEdited << "Restore Unsaved Changes";
    }

    void programStepsAreNamedAndUndoToTheirStart()
    {
        QFETCH(Operation, prepare);
        QFETCH(Operation, operation);
        QFETCH(QString, text);
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        QVERIFY(settings);
        SettingsHistory history;
        history.setSettings(settings.get());
        prepare(settings.get());
        history.commitPending();
        const int steps = history.stack()->count();
        const SettingsSnapshot before = SettingsSnapshot::capture(*settings);
        const QList<Channel *> channels = settings->channels();
        operation(settings.get());
        history.commitAs(text);
        QCOMPARE(history.stack()->count(), steps + 1);
        QCOMPARE(history.stack()->text(steps), text);
        QVERIFY(SettingsSnapshot::capture(*settings) != before);
        history.undo();
        QCOMPARE(SettingsSnapshot::capture(*settings), before);
        QCOMPARE(settings->channels(), channels);
    }

    // The state a step is named against is kept object by object through
    // steps of properties and read anew after an undo: either way a later
    // step compares like with like, so a move stays a move.
    void laterStepsAreNamedAsTheFirst()
    {
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        QVERIFY(settings);
        SettingsHistory history;
        history.setSettings(settings.get());
        auto step = [&](const Operation &operation) {
            operation(settings.get());
            history.commitPending();
            return history.stack()->text(history.stack()->index() - 1);
        };
        const Operation moveFourthFirst
            = [](Settings *s) { s->dropEditables({ s->channels().at(3) }, s->channels().at(0), nullptr); };
        QCOMPARE(step([](Settings *s) { s->removeChannels(nullptr, { s->channels().at(5) }); }),
            QStringLiteral("Delete Channel"));
        QCOMPARE(step([](Settings *s) { s->channels().at(3)->setName(QStringLiteral("Renamed")); }),
            QStringLiteral("Rename Channel"));
        QCOMPARE(step([](Settings *s) { s->transponders().first()->setFrequency(1234); }),
            QStringLiteral("Edit Transponder"));
        QCOMPARE(step(moveFourthFirst), QStringLiteral("Move Channel"));
        history.undo();
        history.undo();
        history.undo();
        history.redo();
        QCOMPARE(step(moveFourthFirst), QStringLiteral("Move Channel"));
        history.undo();
        QCOMPARE(step([](Settings *s) { s->channels().at(8)->setServiceId(4321); }),
            QStringLiteral("Edit Channel"));
        QCOMPARE(step(moveFourthFirst), QStringLiteral("Move Channel"));
    }

    // A dialog accepted without an edit, or changes that cancel out within
    // one action, leave nothing to undo and the file clean.
    void changesThatCancelOutAreNoStep()
    {
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::Kelmora2XX));
        QVERIFY(settings);
        SettingsHistory history;
        history.setSettings(settings.get());
        Channel *channel = settings->channels().first();
        const QString name = channel->name();
        channel->setName(QStringLiteral("Changed"));
        channel->setName(name);
        history.commitPending();
        QCOMPARE(history.stack()->count(), 0);
        QVERIFY(history.stack()->isClean());
    }

    // The commit waits for the end of the event processing: everything one
    // handler changes is one step; the next handler's change is another.
    void oneEventLoopTurnIsOneStep()
    {
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        QVERIFY(settings);
        SettingsHistory history;
        history.setSettings(settings.get());
        const QByteArray loaded = savedBytes(settings.get(), history);
        settings->channels().at(0)->setName(QStringLiteral("One"));
        settings->removeChannels(nullptr, { settings->channels().at(1) });
        QCoreApplication::processEvents();
        settings->channels().at(0)->setName(QStringLiteral("Two"));
        QCoreApplication::processEvents();
        QCOMPARE(history.stack()->count(), 2);
        QCOMPARE(history.stack()->text(0), QStringLiteral("Delete Channel"));
        history.undo();
        history.undo();
        QVERIFY(history.stack()->isClean());
        QCOMPARE(savedBytes(settings.get(), history), loaded);
    }

    // Steps of properties and steps of lists in one history, with saves in
    // between that tidy the store behind the history's back (a satellite
    // kept last moved to the end, providers of one name merged), once
    // marked saved as the window does and once not, as after a failed
    // save: every undo and redo gives back the bytes of its point.
    void mixedStepsGiveBackTheBytesOfEveryPoint_data()
    {
        QTest::addColumn<QList<Operation>>("steps");
        QTest::addColumn<bool>("markSaved");
        const Operation renameChannel
            = [](Settings *s) { s->channels().at(5)->setName(QStringLiteral("Renamed")); };
        const Operation deleteChannel
            = [](Settings *s) { s->removeChannels(nullptr, { s->channels().at(5) }); };
        const Operation dialogOnTwoChannels = [](Settings *s) {
            s->channels().at(1)->setServiceId(4321);
            s->channels().at(2)->setName(QStringLiteral("Second"));
        };
        // Kept last only as read from a file (its last satellite is): here it
        // comes with a dialog's edit, and the save moves the satellite.
        const Operation keepFirstSatelliteLast = [](Settings *s) {
            Satellite *satellite = s->satellites().first();
            satellite->setKeepLast(true);
            satellite->setName(satellite->name() + u'*');
        };
        const Operation retuneTransponder = [](Settings *s) {
            Transponder *transponder = s->transponders().first();
            transponder->setFrequency(transponder->frequency() + 1);
        };
        const Operation nameProviderLikeFirst
            = [](Settings *s) { s->providers().at(1)->setName(s->providers().first()->name()); };
        const Operation moveChannelToSecondProvider
            = [](Settings *s) { s->channels().at(7)->setProvider(s->providers().at(1)); };
        for (const bool markSaved : { false, true }) {
            const char *saving = markSaved ? "marked saved" : "not marked";
            QTest::addRow("rename, delete, %s", saving)
                << QList { renameChannel, deleteChannel } << markSaved;
            QTest::addRow("delete, rename, %s", saving)
                << QList { deleteChannel, renameChannel } << markSaved;
            QTest::addRow("one dialog on two channels, %s", saving)
                << QList { dialogOnTwoChannels, deleteChannel, renameChannel } << markSaved;
            QTest::addRow("satellite kept last, %s", saving)
                << QList { retuneTransponder, keepFirstSatelliteLast, retuneTransponder, renameChannel }
                << markSaved;
            QTest::addRow("providers merged, %s", saving)
                << QList { moveChannelToSecondProvider, nameProviderLikeFirst, renameChannel } << markSaved;
        }
    }

    void mixedStepsGiveBackTheBytesOfEveryPoint()
    {
        QFETCH(QList<Operation>, steps);
        QFETCH(bool, markSaved);
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        QVERIFY(settings);
        SettingsHistory history;
        history.setSettings(settings.get());
        Points points { settings.get(), history.stack(), {} };
        auto save = [&] {
            savedBytes(settings.get(), history);
            if (markSaved)
                history.markSaved();
            points.note();
        };
        points.note();
        save();
        for (const Operation &step : steps) {
            step(settings.get());
            history.commitPending();
            points.note();
            save();
        }
        const int count = history.stack()->count();
        QVERIFY(count >= steps.size());
        for (int point = count - 1; point >= 0; --point) {
            history.undo();
            QVERIFY2(points.holdsAt(point), qPrintable(history.stack()->text(point)));
        }
        for (int point = 1; point <= count; ++point) {
            history.redo();
            QVERIFY2(points.holdsAt(point), qPrintable(history.stack()->text(point - 1)));
        }
    }

    // A removed object is kept while a step can bring it back, comes back as
    // the same object, and is deleted once no step can: past the undo limit,
    // with a redo branch a new action drops, or with the history.
    void removedObjectsLiveAsLongAsAStepCanBringThemBack()
    {
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        QVERIFY(settings);
        auto history = std::make_unique<SettingsHistory>();
        history->setSettings(settings.get());
        history->stack()->setUndoLimit(2);
        auto step = [&](const Operation &operation) {
            operation(settings.get());
            history->commitPending();
        };
        const QPointer<Channel> first = settings->channels().first();
        step([](Settings *s) { s->removeChannels(nullptr, { s->channels().first() }); });
        history->undo();
        QCOMPARE(settings->channels().first(), first.data());
        history->redo();
        QVERIFY(first);
        QPointer<Transponder> made = new Transponder;
        step([&made](Settings *s) {
            made->setSatellite(s->satellites().first());
            s->addTransponder(made);
        });
        history->undo();
        QVERIFY(made && !settings->transponders().contains(made));
        const QPointer<Channel> second = settings->channels().first();
        step([](Settings *s) { s->removeChannels(nullptr, { s->channels().first() }); });
        QVERIFY(!made);
        step([](Settings *s) { s->removeChannels(nullptr, { s->channels().first() }); });
        QVERIFY(!first);
        QVERIFY(second);
        history.reset();
        QVERIFY(!second);
    }

    // Undoing an edit of properties gives the same objects their earlier
    // properties: the views refresh a row instead of rebuilding, and keep
    // their selection.
    void undoingAnEditKeepsTheObjects()
    {
        auto settings = loadBytes(DemoSettingsBuilder::demoFile(DemoSettingsBuilder::Model::KelmoraHD));
        QVERIFY(settings);
        SettingsHistory history;
        history.setSettings(settings.get());
        Channel *channel = settings->channels().at(3);
        const QString name = channel->name();
        channel->setName(QStringLiteral("Renamed"));
        history.commitPending();
        QSignalSpy restores(&history, &SettingsHistory::aboutToRestore);
        QSignalSpy edits(settings.get(), &Settings::updatedEditable);
        QSignalSpy lists(settings.get(), &Settings::updatedChannelList);
        history.undo();
        QCOMPARE(settings->channels().at(3), channel);
        QCOMPARE(channel->name(), name);
        QCOMPARE(edits.count(), 1);
        QCOMPARE(lists.count(), 0);
        QCOMPARE(restores.count(), 0);
        QVERIFY(history.stack()->isClean());
        history.redo();
        QCOMPARE(channel->name(), QStringLiteral("Renamed"));
        QVERIFY(!history.stack()->isClean());
    }
};

QTEST_GUILESS_MAIN(TestSettingsHistory)
#include "tst_settingshistory.moc"
