#include "formats/settingskelmorahd.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "testsettings.h"
#include "ui/dialogs/editdialog.h"
#include "uitest.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>

using namespace Qt::StringLiterals;

namespace {

void retype(QWidget *dialog, const char *field, const QString &text)
{
    auto *lineEdit = child<QLineEdit>(dialog, field);
    QVERIFY(lineEdit);
    lineEdit->clear();
    typeText(lineEdit, text);
}

QComboBox *comboBox(QWidget *dialog, const char *name)
{
    return child<QComboBox>(dialog, name);
}

// One object of each kind that has a dialog, in a store with one satellite
// that the transponder sits on. The store is a receiver's, so that a name
// has the room its field in the file gives it.
struct Objects
{
    SettingsKelmoraHD settings;
    Satellite *held = new Satellite;
    Satellite satellite;
    Transponder transponder;
    Channel channel;
    Provider provider;
    FavoriteGroup group;

    Objects()
    {
        settings.addSatellite(held);
        transponder.setSatellite(held);
        // OK waits for a name.
        satellite.setName(u"Astra"_s);
        provider.setName(u"ORF"_s);
        group.setName(u"News"_s);
    }
    Editable *byKind(const QByteArray &kind)
    {
        const QHash<QByteArray, Editable *> kinds { { "satellite", &satellite },
            { "transponder", &transponder }, { "channel", &channel }, { "provider", &provider },
            { "group", &group } };
        return kinds.value(kind);
    }
};

} // namespace

class TestEditDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelPendingModalDrivers(); }

    void satelliteCodesMapByTableNotByIndex_data()
    {
        QTest::addColumn<QByteArray>("box");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("written");
        const QByteArray port = "diseqc11ComboBox";
        QTest::addRow("port 10 is code 16") << port << 16 << u"10"_s << QString() << 16;
        QTest::addRow("choosing port 16 stores 22") << port << 0 << u"OFF"_s << u"16"_s << 22;
        QTest::addRow("port 9 is code 9") << port << 9 << u"9"_s << QString() << 9;
        QTest::addRow("unknown code shows nothing, becomes 0") << port << 12 << QString() << QString() << 0;
        QTest::addRow("DiSEqC 5 is tone burst A")
            << "diseqcComboBox"_ba << 5 << u"TONE BURST A"_s << u"B"_s << 2;
        QTest::addRow("tone 2 is off") << "toneComboBox"_ba << 2 << u"OFF"_s << u"AUTO"_s << 0;
    }
    void satelliteCodesMapByTableNotByIndex()
    {
        QFETCH(QByteArray, box);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        QFETCH(QString, chosen);
        QFETCH(int, written);
        using Field = std::pair<void (Satellite::*)(int), int (Satellite::*)() const>;
        const QHash<QByteArray, Field> fields { { "diseqc11ComboBox",
                                                    { &Satellite::setDiseqc11, &Satellite::diseqc11 } },
            { "diseqcComboBox", { &Satellite::setDiseqc, &Satellite::diseqc } },
            { "toneComboBox", { &Satellite::setTone, &Satellite::tone } } };
        const auto [set, get] = fields.value(box);
        Objects objects;
        (objects.satellite.*set)(stored);
        onNextModal([&](QWidget *dialog) {
            QComboBox *codes = comboBox(dialog, box.constData());
            QCOMPARE(codes->currentText(), shown);
            if (!chosen.isEmpty())
                codes->setCurrentIndex(codes->findText(chosen));
            press(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(editSatellite(nullptr, &objects.satellite, &objects.settings));
        QCOMPARE((objects.satellite.*get)(), written);
    }

    void typingBeyondLimitsIsRefused_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        const QByteArray s = "satellite", t = "transponder";
        QTest::addRow("low LOF above 20000") << s << "lowLofLineEdit"_ba << u"20001"_s << u"2000"_s;
        QTest::addRow("DiSEqC 1.2 position above 60")
            << s << "diseqc12PositionLineEdit"_ba << u"61"_s << u"6"_s;
        QTest::addRow("name of 17 characters")
            << s << "nameLineEdit"_ba << u"ABCDEFGHIJKLMNOPQ"_s << u"ABCDEFGHIJKLMNOP"_s;
        // Names are held to the bytes the save writes: UTF-8 beyond Latin-1.
        for (const char *kind : { "satellite", "provider", "group", "channel" })
            QTest::addRow("Cyrillic name of 16 letters, %s", kind)
                << QByteArray(kind) << "nameLineEdit"_ba << u"Телерадиокомпани"_s << u"Телерад"_s;
        QTest::addRow("Chinese name of 6") << "channel"_ba
                                           << "nameLineEdit"_ba << u"中華電視台新"_s << u"中華電視台"_s;
        QTest::addRow("frequency above 13000") << t << "frequencyLineEdit"_ba << u"13001"_s << u"1300"_s;
        QTest::addRow("network id above 65535") << t << "networkIdLineEdit"_ba << u"65536"_s << u"6553"_s;
        QTest::addRow("letters in a number") << t << "transportStreamIdLineEdit"_ba << u"12a3"_s << u"123"_s;
        QTest::addRow("group separator comma") << t << "frequencyLineEdit"_ba << u"9,750"_s << u"9750"_s;
        QTest::addRow("group separator dot") << s << "highLofLineEdit"_ba << u"10.600"_s << u"10600"_s;
        QTest::addRow("sign") << t << "symbolRateLineEdit"_ba << u"+-27500"_s << u"27500"_s;
        QTest::addRow("PID above 8191") << "channel"_ba
                                        << "videoPidLineEdit"_ba << u"8192"_s << u"819"_s;
    }
    void typingBeyondLimitsIsRefused()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QByteArray, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Objects objects;
        QString seen;
        onNextModal([&](QWidget *dialog) {
            retype(dialog, field.constData(), typed);
            seen = child<QLineEdit>(dialog, field.constData())->text();
            press(dialog, QDialogButtonBox::Cancel);
        });
        QVERIFY(!editDialog(nullptr, objects.byKind(kind), &objects.settings));
        QCOMPARE(seen, kept);
    }

    // The room left shows beside the name. A name too long already (from a
    // reference list) may shrink but not grow.
    void nameRoomIsShownAndALongNameMayOnlyShrink()
    {
        Objects objects;
        objects.provider.setName(u"Eurosport 1 HD DE"_s);
        QStringList seen;
        onNextModal([&](QWidget *dialog) {
            auto *field = child<QLineEdit>(dialog, "nameLineEdit");
            QVERIFY(giveFocus(field));
            const std::function<void()> keys[] = { [&] { typeText(field, u"X"_s); },
                [&] { pressKey(Qt::Key_Backspace); }, [&] { typeText(field, u"Y"_s); },
                [&] { retype(dialog, "nameLineEdit", u"Ελλάδα"_s); } };
            for (const auto &key : keys) {
                key();
                seen << field->text() + u' ' + child<QLabel>(dialog, "nameRoomLabel")->text();
            }
            press(dialog, QDialogButtonBox::Cancel);
        });
        QVERIFY(!editDialog(nullptr, &objects.provider, &objects.settings));
        QCOMPARE(seen,
            QStringList({ u"Eurosport 1 HD DE 1 byte too many"_s, u"Eurosport 1 HD D 0 bytes left"_s,
                u"Eurosport 1 HD D 0 bytes left"_s, u"Ελλάδα 3 bytes left"_s }));
    }

    void okWritesEveryFieldEvenUnchanged_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<int>("setters");
        // Every setter is called, but only the typed name really changes.
        QTest::addRow("satellite") << "satellite"_ba << true << 1;
        QTest::addRow("transponder") << "transponder"_ba << true << 0;
        QTest::addRow("channel") << "channel"_ba << true << 1;
        QTest::addRow("provider") << "provider"_ba << true << 1;
        QTest::addRow("favourite group") << "group"_ba << true << 1;
        QTest::addRow("cancelled channel") << "channel"_ba << false << 0;
    }
    void okWritesEveryFieldEvenUnchanged()
    {
        QFETCH(QByteArray, kind);
        QFETCH(bool, accept);
        QFETCH(int, setters);
        Objects objects;
        Editable *editable = objects.byKind(kind);
        QSignalSpy spy(editable, &Editable::propertyChanged);
        onNextModal([accept](QWidget *dialog) {
            if (child<QLineEdit>(dialog, "nameLineEdit"))
                retype(dialog, "nameLineEdit", u"typed"_s);
            // Queued: a question OK raises must find the drivers' timer free.
            QTimer::singleShot(0, dialog, [dialog, accept] {
                press(dialog, accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
            });
        });
        QString question; // the channel has no transponder: kept as it is
        if (kind == "channel" && accept)
            answerNextMessage(&question, QMessageBox::Yes);
        QCOMPARE(editDialog(nullptr, editable, &objects.settings), accept);
        QCOMPARE(spy.count(), setters);
        // What was typed reaches the object only on OK.
        if (kind != "transponder")
            QCOMPARE(editable->displayText().endsWith(u"typed"_s), accept);
        QCOMPARE(objects.transponder.satellite(), objects.held);
        QCOMPARE(objects.channel.pmtPid(), quint16(0));
        QCOMPARE(objects.channel.videoPid(), Channel::NoPid);

        // The roots have nothing to edit.
        QVERIFY(!editDialog(nullptr, objects.settings.satellitesRoot(), &objects.settings));
        QVERIFY(!editDialog(nullptr, objects.settings.favoritesRoot(), &objects.settings));
        QVERIFY(!editDialog(nullptr, nullptr, &objects.settings));
    }

    void dialogsNameWhatTheyEditAndNeedAName_data()
    {
        QTest::addColumn<QByteArray>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("needsName");
        QTest::addRow("satellite") << "satellite"_ba << u"Satellite"_s << true;
        QTest::addRow("transponder") << "transponder"_ba << u"Transponder"_s << false;
        QTest::addRow("channel") << "channel"_ba << u"Channel"_s << false;
        QTest::addRow("provider") << "provider"_ba << u"Provider"_s << true;
        QTest::addRow("favourite group") << "group"_ba << u"Favorite group"_s << true;
    }
    void dialogsNameWhatTheyEditAndNeedAName()
    {
        QFETCH(QByteArray, kind);
        QFETCH(QString, title);
        QFETCH(bool, needsName);
        Objects objects;
        QString shownTitle;
        QList<bool> okEnabled;
        onNextModal([&](QWidget *dialog) {
            shownTitle = dialog->windowTitle();
            QPushButton *ok = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
            if (needsName) {
                retype(dialog, "nameLineEdit", u"  "_s);
                okEnabled.append(ok->isEnabled());
                pressKeyIn(dialog, Qt::Key_Return);
                okEnabled.append(dialog->isVisible());
                retype(dialog, "nameLineEdit", u"A"_s);
                okEnabled.append(ok->isEnabled());
            }
            press(dialog, QDialogButtonBox::Cancel);
        });
        QVERIFY(!editDialog(nullptr, objects.byKind(kind), &objects.settings));
        QCOMPARE(shownTitle, title);
        if (needsName)
            QCOMPARE(okEnabled, QList<bool>({ false, true, true }));
    }

    // Alt and a letter reach every field, and no letter two of them.
    void everyFieldHasItsOwnMnemonic_data() { dialogsNameWhatTheyEditAndNeedAName_data(); }
    void everyFieldHasItsOwnMnemonic()
    {
        QFETCH(QByteArray, kind);
        Objects objects;
        QSet<QChar> letters;
        QList<QWidget *> unreached;
        onNextModal([&](QWidget *dialog) {
            unreached = dialog->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
            unreached.removeIf([](const QWidget *field) {
                return !field->inherits("QLineEdit") && !field->inherits("QComboBox")
                    && !field->inherits("QCheckBox");
            });
            for (const QLabel *label : dialog->findChildren<QLabel *>()) {
                const qsizetype amp = label->text().indexOf(u'&');
                if (amp < 0 || !unreached.removeOne(label->buddy()))
                    continue;
                QVERIFY(!letters.contains(label->text().at(amp + 1).toLower()));
                letters.insert(label->text().at(amp + 1).toLower());
            }
            press(dialog, QDialogButtonBox::Cancel);
        });
        editDialog(nullptr, objects.byKind(kind), &objects.settings);
        QVERIFY(!letters.isEmpty() && unreached.isEmpty());
    }

    void transponderNeedsSatelliteChosenByPosition()
    {
        // The store has no satellite at all: neither OK nor Return accepts.
        TestSettings settings;
        Transponder transponder;
        bool okEnabled = true;
        onNextModal([&](QWidget *dialog) {
            QPushButton *ok = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
            okEnabled = ok->isEnabled();
            QTest::mouseClick(ok, Qt::LeftButton);
            pressKeyIn(dialog, Qt::Key_Return);
            QVERIFY(dialog->isVisible());
            press(dialog, QDialogButtonBox::Cancel);
        });
        QVERIFY(!editTransponder(nullptr, &transponder, &settings));
        QVERIFY(!okEnabled);

        // Two satellites of one name: OK waits for a choice, which is taken by
        // position, not by name.
        settings.addSatellite(named<Satellite>(u"Hotbird"_s));
        settings.addSatellite(named<Satellite>(u"Hotbird"_s));
        onNextModal([&](QWidget *dialog) {
            okEnabled
                = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok)->isEnabled();
            comboBox(dialog, "satelliteComboBox")->setCurrentIndex(1);
            comboBox(dialog, "polarizationComboBox")->setCurrentIndex(1);
            retype(dialog, "symbolRateLineEdit", u"22000"_s);
            press(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(editTransponder(nullptr, &transponder, &settings));
        QVERIFY(!okEnabled);
        QCOMPARE(transponder.satellite(), settings.satellites().last());
        QCOMPARE(
            QList<int>({ transponder.polarization(), transponder.symbolRate() }), QList<int>({ 1, 22000 }));

        int shown = -1;
        onNextModal([&shown](QWidget *dialog) {
            shown = comboBox(dialog, "satelliteComboBox")->currentIndex();
            press(dialog, QDialogButtonBox::Cancel);
        });
        QVERIFY(!editTransponder(nullptr, &transponder, &settings));
        QCOMPARE(shown, 1);
    }

    void channelKeepsReferencesNotChosenAndWritesBack()
    {
        TestSettings settings;
        QList<Transponder *> transponders;
        for (const QString &name : words("Hotbird Astra")) {
            settings.addSatellite(named<Satellite>(name));
            transponders.append(new Transponder);
            transponders.last()->setSatellite(settings.satellites().last());
            settings.addTransponder(transponders.last());
        }
        transponders.last()->setPolarization(1);
        // Listed after its satellite's other transponder, by frequency.
        auto *lower = new Transponder;
        lower->setSatellite(settings.satellites().first());
        lower->setFrequency(10700);
        settings.addTransponder(lower);
        settings.addProvider(new Provider);
        settings.addProvider(new Provider);

        // A new channel with nothing chosen gets no references at all, once
        // the user said so: OK without a transponder is asked about once.
        Channel fresh;
        QStringList listed;
        onNextModal([&listed](QWidget *dialog) {
            QComboBox *choices = comboBox(dialog, "transponderComboBox");
            for (int i = 0; i < choices->count(); ++i)
                listed.append(choices->itemText(i));
            QCOMPARE(choices->currentIndex(), -1);
            QCOMPARE(comboBox(dialog, "providerComboBox")->currentIndex(), -1);
            QTimer::singleShot(0, dialog, [dialog] { press(dialog, QDialogButtonBox::Ok); });
        });
        QString question;
        answerNextMessage(&question, QMessageBox::No);
        bool stayedOpen = false;
        onNextModal([&stayedOpen](QWidget *dialog) {
            stayedOpen = dialog->objectName() == u"channelDialog"_s;
            press(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(editChannel(nullptr, &fresh, &settings));
        QVERIFY2(question.contains(u"no transponder"_s), qPrintable(question));
        QVERIFY(stayedOpen);
        QCOMPARE(
            listed, QStringList({ u"Hotbird - 10700 H"_s, u"Hotbird - 12000 H"_s, u"Astra - 12000 V"_s }));
        QVERIFY(!fresh.provider() && !fresh.transponder());

        // A provider the list does not show is kept rather than replaced by
        // one from the list; every field typed is written back.
        Provider elsewhere;
        Channel channel;
        channel.setProvider(&elsewhere);
        channel.setTransponder(transponders.last());
        onNextModal([](QWidget *dialog) {
            QCOMPARE(comboBox(dialog, "providerComboBox")->currentIndex(), -1);
            QCOMPARE(comboBox(dialog, "transponderComboBox")->currentIndex(), 2);
            retype(dialog, "serviceIdLineEdit", u"1234"_s);
            retype(dialog, "audioPidLineEdit", u"101"_s);
            child<QLineEdit>(dialog, "pmtPidLineEdit")->clear();
            retype(dialog, "nameLineEdit", u"Ö1 Radio"_s);
            comboBox(dialog, "serviceTypeComboBox")->setCurrentIndex(1);
            press(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(editChannel(nullptr, &channel, &settings));
        QCOMPARE(channel.provider(), &elsewhere);
        QCOMPARE(channel.transponder(), transponders.last());
        QCOMPARE(channel.name(), u"Ö1 Radio"_s);
        QCOMPARE(QList<int>({ channel.serviceId(), channel.audioPid(), channel.videoPid(), channel.pmtPid(),
                     channel.serviceType() }),
            QList<int>({ 1234, 101, Channel::NoPid, 0, 1 }));

        // Choosing from the list does replace it.
        onNextModal([](QWidget *dialog) {
            comboBox(dialog, "providerComboBox")->setCurrentIndex(1);
            comboBox(dialog, "transponderComboBox")->setCurrentIndex(0);
            press(dialog, QDialogButtonBox::Ok);
        });
        QVERIFY(editChannel(nullptr, &channel, &settings));
        QCOMPARE(channel.provider(), settings.providers().last());
        QCOMPARE(channel.transponder(), lower);
    }
};

QTEST_MAIN(TestEditDialogs)
#include "tst_editdialogs.moc"
