#include "channel.h"
#include "editdialog.h"
#include "favoritegroup.h"
#include "modaldriver.h"
#include "provider.h"
#include "rooteditable.h"
#include "satellite.h"
#include "testsettings.h"
#include "transponder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using EditFunction = std::function<bool(QWidget *)>;

namespace {

void press(QWidget *dialog, QDialogButtonBox::StandardButton which)
{
    child<QDialogButtonBox>(dialog, "buttonBox")->button(which)->click();
}

void retype(QWidget *dialog, const char *field, const QString &text)
{
    auto *lineEdit = child<QLineEdit>(dialog, field);
    QVERIFY(lineEdit);
    lineEdit->clear();
    QTest::keyClicks(lineEdit, text);
}

} // namespace

class TestEditDialogs : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { cancelPendingModalDrivers(); }
    void satelliteFormShowsItsFieldsAndCodes();
    void satelliteCodesMapByTableNotByIndex_data();
    void satelliteCodesMapByTableNotByIndex();
    void typingBeyondLimitsIsRefused_data();
    void typingBeyondLimitsIsRefused();
    void okWritesEveryFieldEvenUnchanged_data();
    void okWritesEveryFieldEvenUnchanged();
    void transponderWithoutSatelliteCannotBeAccepted();
    void transponderSatelliteIsChosenByPosition();
    void channelDialogShowsStoreListsInOrder();
    void channelWithoutChoiceKeepsItsReferences();
    void channelWriteBack();
    void namedDialogsWriteTheName();
    void rootsHaveNoDialog();

private:
    TestSettings m_settings;
};

void TestEditDialogs::satelliteFormShowsItsFieldsAndCodes()
{
    Satellite satellite;
    satellite.setName(QStringLiteral("Astra"));
    satellite.setDiseqc(5);
    satellite.setTone(2);
    satellite.setDiseqc12(true);
    satellite.setDiseqc12Position(42);
    bool checked = false;
    onNextModal([&](QWidget *dialog) {
        checked = true;
        QCOMPARE(dialog->objectName(), QStringLiteral("satelliteDialog"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Satellite"));
        QCOMPARE(dialog->windowModality(), Qt::WindowModal);
        QCOMPARE(child<QLabel>(dialog, "label_9")->text(), QStringLiteral("DiSEqC 1.2"));
        QCOMPARE(child<QLabel>(dialog, "label_8")->text(), QStringLiteral("Tone 22kHz"));
        QCOMPARE(child<QLineEdit>(dialog, "positionLineEdit")->text(), QStringLiteral("9999"));
        QCOMPARE(child<QLineEdit>(dialog, "nameLineEdit")->text(), QStringLiteral("Astra"));
        QCOMPARE(child<QLineEdit>(dialog, "lowLofLineEdit")->text(), QStringLiteral("9750"));
        QCOMPARE(child<QLineEdit>(dialog, "highLofLineEdit")->text(), QStringLiteral("10600"));
        QCOMPARE(child<QComboBox>(dialog, "diseqcComboBox")->currentText(), QStringLiteral("TONE BURST A"));
        QCOMPARE(child<QComboBox>(dialog, "toneComboBox")->currentText(), QStringLiteral("OFF"));
        QVERIFY(child<QCheckBox>(dialog, "diseqc12CheckBox")->isChecked());
        QCOMPARE(child<QLineEdit>(dialog, "diseqc12PositionLineEdit")->text(), QStringLiteral("42"));
        QCOMPARE(child<QComboBox>(dialog, "diseqc11ComboBox")->count(), 17);
        press(dialog, QDialogButtonBox::Cancel);
    });
    QVERIFY(!editSatellite(nullptr, &satellite, &m_settings));
    QVERIFY(checked);
}

void TestEditDialogs::satelliteCodesMapByTableNotByIndex_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("written");
    QTest::addRow("port 10 is code 16") << 16 << QStringLiteral("10") << QString() << 16;
    QTest::addRow("choosing port 16 stores 22") << 0 << QStringLiteral("OFF") << QStringLiteral("16") << 22;
    QTest::addRow("port 9 is code 9") << 9 << QStringLiteral("9") << QString() << 9;
    QTest::addRow("unknown code shows nothing, becomes 0") << 12 << QString() << QString() << 0;
}

void TestEditDialogs::satelliteCodesMapByTableNotByIndex()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(QString, chosen);
    QFETCH(int, written);
    Satellite satellite;
    satellite.setDiseqc11(stored);
    onNextModal([&](QWidget *dialog) {
        auto *comboBox = child<QComboBox>(dialog, "diseqc11ComboBox");
        QCOMPARE(comboBox->currentText(), shown);
        if (!chosen.isEmpty())
            comboBox->setCurrentIndex(comboBox->findText(chosen));
        press(dialog, QDialogButtonBox::Ok);
    });
    QVERIFY(editSatellite(nullptr, &satellite, &m_settings));
    QCOMPARE(satellite.diseqc11(), written);
}

void TestEditDialogs::typingBeyondLimitsIsRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const QString s = QStringLiteral("satellite"), t = QStringLiteral("transponder"),
                  c = QStringLiteral("channel");
    QTest::addRow("low LOF above 20000") << s << "lowLofLineEdit"
                                         << "20001"
                                         << "2000";
    QTest::addRow("DiSEqC 1.2 position above 60") << s << "diseqc12PositionLineEdit"
                                                  << "61"
                                                  << "6";
    QTest::addRow("name of 17 characters") << s << "nameLineEdit"
                                           << "ABCDEFGHIJKLMNOPQ"
                                           << "ABCDEFGHIJKLMNOP";
    QTest::addRow("frequency above 13000") << t << "frequencyLineEdit"
                                           << "13001"
                                           << "1300";
    QTest::addRow("network id above 65535") << t << "networkIdLineEdit"
                                            << "65536"
                                            << "6553";
    QTest::addRow("letters in a number") << t << "transportStreamIdLineEdit"
                                         << "12a3"
                                         << "123";
    QTest::addRow("PID above 8191") << c << "videoPidLineEdit"
                                    << "8192"
                                    << "819";
}

void TestEditDialogs::typingBeyondLimitsIsRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    Satellite satellite;
    Transponder transponder;
    Channel channel;
    QString seen;
    onNextModal([&](QWidget *dialog) {
        retype(dialog, field.toLatin1().constData(), typed);
        seen = child<QLineEdit>(dialog, field.toLatin1().constData())->text();
        press(dialog, QDialogButtonBox::Cancel);
    });
    if (kind == QLatin1String("satellite"))
        QVERIFY(!editSatellite(nullptr, &satellite, &m_settings));
    else if (kind == QLatin1String("transponder"))
        QVERIFY(!editTransponder(nullptr, &transponder, &m_settings));
    else
        QVERIFY(!editChannel(nullptr, &channel, &m_settings));
    QCOMPARE(seen, kept);
}

void TestEditDialogs::okWritesEveryFieldEvenUnchanged_data()
{
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<int>("setters");
    QTest::addRow("satellite") << int(SatelliteType) << 9;
    QTest::addRow("transponder") << int(TransponderType) << 7;
    QTest::addRow("channel") << int(ChannelType) << 9;
    QTest::addRow("provider") << int(ProviderType) << 1;
    QTest::addRow("favourite group") << int(FavoriteGroupType) << 1;
}

void TestEditDialogs::okWritesEveryFieldEvenUnchanged()
{
    QFETCH(int, typeCode);
    QFETCH(int, setters);
    TestSettings settings;
    auto *satellite = new Satellite;
    settings.addSatellite(satellite);
    Transponder transponder;
    transponder.setSatellite(satellite);
    Satellite newSatellite;
    Channel channel;
    Provider provider;
    FavoriteGroup group;
    Editable *editable = nullptr;
    switch (typeCode) {
    case SatelliteType:
        editable = &newSatellite;
        break;
    case TransponderType:
        editable = &transponder;
        break;
    case ChannelType:
        editable = &channel;
        break;
    case ProviderType:
        editable = &provider;
        break;
    default:
        editable = &group;
        break;
    }
    QSignalSpy spy(editable, &Editable::propertyChanged);
    onNextModal([](QWidget *dialog) { press(dialog, QDialogButtonBox::Ok); });
    QVERIFY(editDialog(nullptr, editable, &settings));
    QCOMPARE(spy.count(), setters);
    QCOMPARE(transponder.satellite(), satellite);
    QCOMPARE(channel.pmtPid(), quint16(0));
    QCOMPARE(channel.videoPid(), Channel::NoPid);
}

void TestEditDialogs::transponderWithoutSatelliteCannotBeAccepted()
{
    // The store has no satellite at all: nothing can be chosen.
    TestSettings settings;
    Transponder transponder;
    bool okEnabled = true;
    onNextModal([&](QWidget *dialog) {
        QPushButton *ok = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
        okEnabled = ok->isEnabled();
        ok->click();
        QTest::keyClick(dialog, Qt::Key_Return);
        QVERIFY(dialog->isVisible());
        press(dialog, QDialogButtonBox::Cancel);
    });
    QVERIFY(!editTransponder(nullptr, &transponder, &settings));
    QVERIFY(!okEnabled);
    QCOMPARE(transponder.satellite(), nullptr);

    // A satellite exists but the transponder's is not among them: OK waits
    // for a choice.
    auto *satellite = new Satellite;
    settings.addSatellite(satellite);
    onNextModal([&](QWidget *dialog) {
        QPushButton *ok = child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
        okEnabled = ok->isEnabled();
        child<QComboBox>(dialog, "satelliteComboBox")->setCurrentIndex(0);
        QVERIFY(ok->isEnabled());
        ok->click();
    });
    QVERIFY(editTransponder(nullptr, &transponder, &settings));
    QVERIFY(!okEnabled);
    QCOMPARE(transponder.satellite(), satellite);
}

void TestEditDialogs::transponderSatelliteIsChosenByPosition()
{
    TestSettings settings;
    auto *first = new Satellite;
    auto *second = new Satellite;
    first->setName(QStringLiteral("Hotbird"));
    second->setName(QStringLiteral("Hotbird"));
    settings.addSatellite(first);
    settings.addSatellite(second);
    Transponder transponder;
    transponder.setSatellite(first);
    onNextModal([](QWidget *dialog) {
        auto *comboBox = child<QComboBox>(dialog, "satelliteComboBox");
        QCOMPARE(comboBox->currentIndex(), 0);
        QCOMPARE(comboBox->itemText(1), QStringLiteral("Hotbird"));
        comboBox->setCurrentIndex(1);
        child<QComboBox>(dialog, "polarizationComboBox")->setCurrentIndex(1);
        retype(dialog, "symbolRateLineEdit", QStringLiteral("22000"));
        press(dialog, QDialogButtonBox::Ok);
    });
    QVERIFY(editTransponder(nullptr, &transponder, &settings));
    QCOMPARE(transponder.satellite(), second);
    QCOMPARE(transponder.polarization(), 1);
    QCOMPARE(transponder.symbolRate(), quint16(22000));
}

void TestEditDialogs::channelDialogShowsStoreListsInOrder()
{
    TestSettings settings;
    auto *astra = new Satellite;
    auto *hotbird = new Satellite;
    astra->setName(QStringLiteral("Astra"));
    hotbird->setName(QStringLiteral("Hotbird"));
    settings.addSatellite(astra);
    settings.addSatellite(hotbird);
    auto *onHotbird = new Transponder;
    onHotbird->setSatellite(hotbird);
    onHotbird->setFrequency(11000);
    auto *onAstra = new Transponder;
    onAstra->setSatellite(astra);
    onAstra->setPolarization(1);
    settings.addTransponder(onHotbird);
    settings.addTransponder(onAstra);
    auto *provider = new Provider;
    provider->setName(QStringLiteral("ORF"));
    settings.addProvider(provider);

    Channel channel;
    onNextModal([](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("channelDialog"));
        auto *transponders = child<QComboBox>(dialog, "transponderComboBox");
        QCOMPARE(transponders->count(), 2);
        QCOMPARE(transponders->itemText(0), QStringLiteral("Hotbird - 11000 H"));
        QCOMPARE(transponders->itemText(1), QStringLiteral("Astra - 12000 V"));
        QCOMPARE(transponders->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(dialog, "providerComboBox")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(dialog, "serviceTypeComboBox")->currentText(), QStringLiteral("TV"));
        QCOMPARE(child<QLineEdit>(dialog, "serviceIdLineEdit")->text(), QStringLiteral("65535"));
        QCOMPARE(child<QLineEdit>(dialog, "pcrPidLineEdit")->text(), QStringLiteral("8191"));
        QCOMPARE(child<QLineEdit>(dialog, "pmtPidLineEdit")->text(), QStringLiteral("0"));
        QCOMPARE(child<QLabel>(dialog, "label_9")->text(), QStringLiteral("PMT PID"));
        press(dialog, QDialogButtonBox::Cancel);
    });
    QVERIFY(!editChannel(nullptr, &channel, &settings));
}

void TestEditDialogs::channelWithoutChoiceKeepsItsReferences()
{
    TestSettings settings;
    auto *provider = new Provider;
    settings.addProvider(provider);
    auto *satellite = new Satellite;
    settings.addSatellite(satellite);
    auto *transponder = new Transponder;
    transponder->setSatellite(satellite);
    settings.addTransponder(transponder);

    // A new channel with nothing chosen gets no references at all.
    Channel fresh;
    onNextModal([](QWidget *dialog) { press(dialog, QDialogButtonBox::Ok); });
    QVERIFY(editChannel(nullptr, &fresh, &settings));
    QCOMPARE(fresh.provider(), nullptr);
    QCOMPARE(fresh.transponder(), nullptr);

    // A channel whose provider the list does not show keeps it rather than
    // getting a reference from outside the lists.
    Provider elsewhere;
    Channel channel;
    channel.setProvider(&elsewhere);
    channel.setTransponder(transponder);
    onNextModal([](QWidget *dialog) {
        QCOMPARE(child<QComboBox>(dialog, "providerComboBox")->currentIndex(), -1);
        QCOMPARE(child<QComboBox>(dialog, "transponderComboBox")->currentIndex(), 0);
        press(dialog, QDialogButtonBox::Ok);
    });
    QVERIFY(editChannel(nullptr, &channel, &settings));
    QCOMPARE(channel.provider(), &elsewhere);
    QCOMPARE(channel.transponder(), transponder);
}

void TestEditDialogs::channelWriteBack()
{
    TestSettings settings;
    auto *first = new Provider;
    auto *second = new Provider;
    settings.addProvider(first);
    settings.addProvider(second);
    Channel channel;
    channel.setProvider(first);
    onNextModal([](QWidget *dialog) {
        retype(dialog, "serviceIdLineEdit", QStringLiteral("1234"));
        child<QComboBox>(dialog, "providerComboBox")->setCurrentIndex(1);
        retype(dialog, "audioPidLineEdit", QStringLiteral("101"));
        child<QLineEdit>(dialog, "pmtPidLineEdit")->clear();
        retype(dialog, "nameLineEdit", QStringLiteral("Ö1 Radio"));
        child<QComboBox>(dialog, "serviceTypeComboBox")->setCurrentIndex(1);
        press(dialog, QDialogButtonBox::Ok);
    });
    QVERIFY(editChannel(nullptr, &channel, &settings));
    QCOMPARE(channel.serviceId(), quint16(1234));
    QCOMPARE(channel.provider(), second);
    QCOMPARE(channel.audioPid(), quint16(101));
    QCOMPARE(channel.videoPid(), Channel::NoPid);
    QCOMPARE(channel.pmtPid(), quint16(0));
    QCOMPARE(channel.name(), QStringLiteral("Ö1 Radio"));
    QCOMPARE(channel.serviceType(), 1);
}

void TestEditDialogs::namedDialogsWriteTheName()
{
    Provider provider;
    provider.setName(QStringLiteral("old"));
    onNextModal([](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("providerDialog"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Provider"));
        retype(dialog, "nameLineEdit", QStringLiteral("new"));
        press(dialog, QDialogButtonBox::Cancel);
    });
    QVERIFY(!editProvider(nullptr, &provider, &m_settings));
    QCOMPARE(provider.name(), QStringLiteral("old"));

    FavoriteGroup group;
    onNextModal([](QWidget *dialog) {
        QCOMPARE(dialog->objectName(), QStringLiteral("favoriteGroupDialog"));
        QVERIFY(child<QLayout>(dialog, "gridLayout1"));
        retype(dialog, "nameLineEdit", QStringLiteral("News"));
        press(dialog, QDialogButtonBox::Ok);
    });
    QVERIFY(editFavoriteGroup(nullptr, &group, &m_settings));
    QCOMPARE(group.name(), QStringLiteral("News"));
}

void TestEditDialogs::rootsHaveNoDialog()
{
    QVERIFY(!editDialog(nullptr, m_settings.satellitesRoot(), &m_settings));
    QVERIFY(!editDialog(nullptr, m_settings.providersRoot(), &m_settings));
    QVERIFY(!editDialog(nullptr, m_settings.favoritesRoot(), &m_settings));
    QVERIFY(!editDialog(nullptr, nullptr, &m_settings));
}

QTEST_MAIN(TestEditDialogs)
#include "tst_editdialogs.moc"
