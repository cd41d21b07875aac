#include "kelmoranamecodec.h"

#include <QTest>

namespace {

QByteArray field(const QByteArray &content, int width = 16)
{
    QByteArray bytes = content.left(width);
    bytes.append(width - bytes.size(), '\0');
    return bytes;
}

} // namespace

// The name fields: every selector form on reading, and writing that never
// leaves a selector or half a character behind.
class TestKelmoraNameCodec : public QObject
{
    Q_OBJECT

private slots:
    void decodesEverySelectorForm_data();
    void decodesEverySelectorForm();
    void anyFirstByteDecodesWithinTheField();
    void encodesPlainOrUtf8_data();
    void encodesPlainOrUtf8();
};

void TestKelmoraNameCodec::decodesEverySelectorForm_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("length");

    QTest::addRow("plain") << field("ABC") << QStringLiteral("ABC") << 3;
    QTest::addRow("all zero") << field("") << QString() << 1;
    QTest::addRow("leading NUL is a selector") << field(QByteArray("\0AB", 3)) << QStringLiteral("AB") << 3;
    QTest::addRow("0x01 ISO 8859-5") << field("\x01\xbf\xe0\xd8\xd2\xd5\xe2") << QString::fromUtf8("Привет")
                                     << 7;
    QTest::addRow("0x03 ISO 8859-7") << field("\x03\xc5\xeb\xeb\xe1\xe4\xe1") << QString::fromUtf8("Ελλαδα")
                                     << 7;
    QTest::addRow("0x05 ISO 8859-9") << field("\x05\xdd\xf0") << QString::fromUtf8("İğ") << 3;
    QTest::addRow("0x0B ISO 8859-15") << field("\x0b\xa4") << QString::fromUtf8("€") << 2;
    QTest::addRow("0x07 falls back to latin1") << field("\x07\xe9") << QString::fromUtf8("é") << 2;
    QTest::addRow("0x14 Big5") << field("\x14\xa4\x40") << QString::fromUtf8("一") << 3;
    QTest::addRow("0x15 UTF-8") << field("\x15\xd0\x96\xce\xa9") << QString::fromUtf8("ЖΩ") << 5;
    QTest::addRow("0x15 cut sequence") << field("\x15\x41\xd0") << QString::fromUtf8("A\xef\xbf\xbd") << 3;
    // The table number behind 0x10 is big-endian and selects ISO 8859-N.
    QTest::addRow("0x10 table 5") << field(QByteArray("\x10\x00\x05\xbf\xe0", 5)) << QString::fromUtf8("Пр")
                                  << 5;
    QTest::addRow("0x10 table 7") << field(QByteArray("\x10\x00\x07\xc5", 4)) << QString::fromUtf8("Ε") << 4;
    QTest::addRow("0x10 table 1") << field(QByteArray("\x10\x00\x01\xe9", 4)) << QString::fromUtf8("é") << 4;
    QTest::addRow("0x10 unknown table 12")
        << field(QByteArray("\x10\x00\x0c\xe9", 4)) << QString::fromUtf8("é") << 4;
    QTest::addRow("0x10 table number too big")
        << field(QByteArray("\x10\x01\x05\xe9", 4)) << QString::fromUtf8("é") << 4;
    QTest::addRow("0x10 alone") << field(QByteArray("\x10", 1)) << QString() << 3;
    QTest::addRow("0x10 in a two-byte field") << QByteArray("\x10\x05", 2) << QString() << 2;
}

void TestKelmoraNameCodec::decodesEverySelectorForm()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(int, length);
    const KelmoraNameCodec::Decoded decoded = KelmoraNameCodec::decode(bytes);
    QCOMPARE(decoded.text, text);
    QCOMPARE(decoded.length, length);
}

void TestKelmoraNameCodec::anyFirstByteDecodesWithinTheField()
{
    // Every first byte, followed by bytes that are invalid in most tables.
    for (int first = 0; first < 256; ++first) {
        for (int width : { 1, 2, 3, 16 }) {
            QByteArray bytes(width, '\xff');
            bytes[0] = char(first);
            const KelmoraNameCodec::Decoded decoded = KelmoraNameCodec::decode(bytes);
            QVERIFY(decoded.length <= width);
            QVERIFY(decoded.text.size() <= width);
        }
    }
}

void TestKelmoraNameCodec::encodesPlainOrUtf8_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QByteArray>("bytes");

    QTest::addRow("latin1") << QStringLiteral("ABC") << 16 << field("ABC");
    QTest::addRow("empty") << QString() << 16 << field("");
    QTest::addRow("latin1 fills the field")
        << QStringLiteral("ABCDEFGHIJKLMNOPQ") << 16 << QByteArray("ABCDEFGHIJKLMNOP");
    QTest::addRow("latin1 high") << QString::fromUtf8("Café") << 16 << field("Caf\xe9");
    QTest::addRow("cyrillic") << QString::fromUtf8("Жук") << 16 << field("\x15\xd0\x96\xd1\x83\xd0\xba");
    // Eight Cyrillic letters need 17 bytes: the eighth goes whole.
    QTest::addRow("cyrillic cut at a letter") << QString::fromUtf8(
        "Мультики") << 16 << field("\x15\xd0\x9c\xd1\x83\xd0\xbb\xd1\x8c\xd1\x82\xd0\xb8\xd0\xba");
    QTest::addRow("four-byte character cut whole") << QString::fromUtf8("ABCDEFGHIJKL\xf0\x9f\x98\x80") << 16
                                                   << field("\x15"
                                                            "ABCDEFGHIJKL");
    // A first character below 0x20 would read back as a selector.
    QTest::addRow("control first") << QStringLiteral("\x05"
                                                     "AB")
                                   << 16
                                   << field("\x15\x05"
                                            "AB");
    QTest::addRow("2XX width") << QString::fromUtf8("Мультики") << 18
                               << field(
                                      "\x15\xd0\x9c\xd1\x83\xd0\xbb\xd1\x8c\xd1\x82\xd0\xb8\xd0\xba\xd0\xb8",
                                      18);
}

void TestKelmoraNameCodec::encodesPlainOrUtf8()
{
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QByteArray, bytes);
    QCOMPARE(KelmoraNameCodec::encode(text, width), bytes);
}

QTEST_GUILESS_MAIN(TestKelmoraNameCodec)
#include "tst_kelmoranamecodec.moc"
