#include "kelmoratestimage.h"
#include "settingskelmora2xx.h"
#include "settingskelmorahd.h"

#include <QTest>

// Which files are taken for which receiver, and that nothing half-made
// comes back for the rest.
class TestRecognizeSettings : public QObject
{
    Q_OBJECT

private slots:
    void recognisesByMagicAndExactSize_data();
    void recognisesByMagicAndExactSize();
};

void TestRecognizeSettings::recognisesByMagicAndExactSize_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("model");

    const QByteArray image2XX = TestImage(model2XX).bytes();
    const QByteArray imageHD = TestImage(modelHD).bytes();
    QTest::addRow("2XX") << image2XX << QStringLiteral("2XX");
    QTest::addRow("HD") << imageHD << QStringLiteral("HD");
    QTest::addRow("2XX one byte long") << image2XX + '\0' << QString();
    QTest::addRow("HD one byte short") << imageHD.left(imageHD.size() - 1) << QString();
    QByteArray wrongMagic = imageHD;
    wrongMagic[7] = 'X';
    QTest::addRow("magic differs in one byte") << wrongMagic << QString();
    QByteArray shortMagic = image2XX;
    shortMagic[7] = '\0';
    QTest::addRow("magic cut by a NUL") << shortMagic << QString();
    QTest::addRow("empty file") << QByteArray() << QString();
    QTest::addRow("magic only") << QByteArray("DIZODIDO") << QString();
    QTest::addRow("shorter than the magic") << QByteArray("DIZO") << QString();
}

void TestRecognizeSettings::recognisesByMagicAndExactSize()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, model);
    auto settings = loadBytes(bytes);
    if (model.isEmpty()) {
        QVERIFY(!settings);
        return;
    }
    QVERIFY(settings);
    if (model == QLatin1String("2XX"))
        QVERIFY(dynamic_cast<SettingsKelmora2XX *>(settings.get()));
    else
        QVERIFY(dynamic_cast<SettingsKelmoraHD *>(settings.get()));
    QCOMPARE(settings->favoriteGroups().size(), 9);
    QCOMPARE(settings->features(), (QSet<int> { 0, 1 }));
}

QTEST_GUILESS_MAIN(TestRecognizeSettings)
#include "tst_recognizesettings.moc"
