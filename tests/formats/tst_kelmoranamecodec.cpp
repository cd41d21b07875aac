#include "formats/kelmoranamecodec.h"

#include <QTest>
#include <QTextCodec>

#include <algorithm>

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
    void decodesEverySelectorForm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        auto row = [](const char *name, const QByteArray &bytes, const char *utf8, int length) {
            QTest::addRow("%s", name) << bytes << QString::fromUtf8(utf8) << length;
        };
        row("plain", field("ABC"), "ABC", 3);
        row("all zero", field(""), "", 1);
        row("leading NUL is a selector", field(QByteArray("\0AB", 3)), "AB", 3);
        row("0x01 ISO 8859-5", field("\x01\xbf\xe0\xd8\xd2\xd5\xe2"), "Привет", 7);
        row("0x03 ISO 8859-7", field("\x03\xc5\xeb\xeb\xe1\xe4\xe1"), "Ελλαδα", 7);
        row("0x05 ISO 8859-9", field("\x05\xdd\xf0"), "İğ", 3);
        row("0x0B ISO 8859-15", field("\x0b\xa4"), "€", 2);
        row("0x07 falls back to latin1", field("\x07\xe9"), "é", 2);
        row("0x14 Big5", field("\x14\xa4\x40"), "一", 3);
        row("0x15 UTF-8", field("\x15\xd0\x96\xce\xa9"), "ЖΩ", 5);
        row("0x1F is the last selector", field("\x1f\xe9"), "é", 2);
        row("0x20 is text", field(" \xe9"), " é", 2);
        row("0x15 cut sequence", field("\x15\x41\xd0"), "A\xef\xbf\xbd", 3);
        QTest::addRow("0x15 leading U+FEFF kept") << field("\x15\xef\xbb\xbf"
                                                           "A")
                                                  << (QChar(0xFEFF) + QString(u'A')) << 5;
        // The table number behind 0x10 is big-endian and selects ISO 8859-N.
        row("0x10 table 5", field(QByteArray("\x10\x00\x05\xbf\xe0", 5)), "Пр", 5);
        row("0x10 table 7", field(QByteArray("\x10\x00\x07\xc5", 4)), "Ε", 4);
        row("0x10 table 1", field(QByteArray("\x10\x00\x01\xe9", 4)), "é", 4);
        row("0x10 unknown table 12", field(QByteArray("\x10\x00\x0c\xe9", 4)), "é", 4);
        row("0x10 table number too big", field(QByteArray("\x10\x01\x05\xe9", 4)), "é", 4);
        row("0x10 alone", field(QByteArray("\x10", 1)), "", 3);
        row("0x10 in a two-byte field", QByteArray("\x10\x05", 2), "", 2);
    }

    void decodesEverySelectorForm()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(int, length);
        const KelmoraNameCodec::Decoded decoded = KelmoraNameCodec::decode(bytes);
        QCOMPARE(decoded.text, text);
        QCOMPARE(decoded.length, length);
    }

    void selectorsDecodeWithTheirNamedTable_data()
    {
        QTest::addColumn<int>("selector");
        QTest::addColumn<QByteArray>("codec");
        const QList<QPair<int, const char *>> tables { { 0x01, "ISO-8859-5" }, { 0x02, "ISO-8859-6" },
            { 0x03, "ISO-8859-7" }, { 0x04, "ISO-8859-8" }, { 0x05, "ISO-8859-9" }, { 0x06, "ISO-8859-10" },
            { 0x09, "ISO-8859-13" }, { 0x0A, "ISO-8859-14" }, { 0x0B, "ISO-8859-15" }, { 0x07, "ISO-8859-1" },
            { 0x1F, "ISO-8859-1" } };
        for (const auto &[selector, codec] : tables)
            QTest::addRow("0x%02X %s", selector, codec) << selector << QByteArray(codec);
    }

    void selectorsDecodeWithTheirNamedTable()
    {
        // Every upper-half byte, fifteen to a field behind the selector.
        QFETCH(int, selector);
        QFETCH(QByteArray, codec);
        QTextCodec *table = QTextCodec::codecForName(codec);
        QVERIFY(table);
        for (int first = 0xA0; first <= 0xFF; first += 15) {
            QByteArray text;
            for (int byte = first; byte <= std::min(first + 14, 0xFF); ++byte)
                text.append(char(byte));
            QCOMPARE(KelmoraNameCodec::decode(field(char(selector) + text)).text, table->toUnicode(text));
        }
    }

    // Every byte but NUL, reached through each form of selector: a table
    // built wrongly for some byte, or a multi-byte table read a byte at a
    // time, would show here.
    void everyByteReadsAsItsTableSays_data()
    {
        QTest::addColumn<QByteArray>("prefix");
        QTest::addColumn<QByteArray>("codec");
        QTest::addRow("0x01") << QByteArray("\x01") << QByteArray("ISO-8859-5");
        QTest::addRow("0x03") << QByteArray("\x03") << QByteArray("ISO-8859-7");
        QTest::addRow("0x14 Big5") << QByteArray("\x14") << QByteArray("Big5");
        for (int n = 2; n < 16; ++n)
            QTest::addRow("0x10 table %d", n)
                << (QByteArray("\x10\x00", 2) + char(n)) << QByteArray("ISO-8859-" + QByteArray::number(n));
    }

    void everyByteReadsAsItsTableSays()
    {
        QFETCH(QByteArray, prefix);
        QFETCH(QByteArray, codec);
        // A table the toolkit lacks reads as ISO 8859-1.
        QTextCodec *table = QTextCodec::codecForName(codec);
        const int perField = 16 - int(prefix.size());
        for (int first = 1; first < 256; first += perField) {
            QByteArray text;
            for (int byte = first; byte < std::min(first + perField, 256); ++byte)
                text.append(char(byte));
            const QString expected = table ? table->toUnicode(text) : QString::fromLatin1(text);
            QCOMPARE(KelmoraNameCodec::decode(field(prefix + text)).text, expected);
        }
    }

    void anyFirstByteDecodesWithinTheField()
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

    void encodesPlainOrUtf8_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QByteArray>("bytes");
        auto row = [](const char *name, const char *utf8, int width, const QByteArray &bytes) {
            QTest::addRow("%s", name) << QString::fromUtf8(utf8) << width << bytes;
        };
        row("latin1", "ABC", 16, field("ABC"));
        row("empty", "", 16, field(""));
        row("latin1 fills the field", "ABCDEFGHIJKLMNOPQ", 16, "ABCDEFGHIJKLMNOP");
        row("latin1 high", "Café", 16, field("Caf\xe9"));
        row("cyrillic", "Жук", 16, field("\x15\xd0\x96\xd1\x83\xd0\xba"));
        // Eight Cyrillic letters need 17 bytes: the eighth goes whole.
        const char *cut = "\x15\xd0\x9c\xd1\x83\xd0\xbb\xd1\x8c\xd1\x82\xd0\xb8\xd0\xba";
        row("cyrillic cut at a letter", "Мультики", 16, field(cut));
        row("2XX width", "Мультики", 18, field(QByteArray(cut) + "\xd0\xb8", 18));
        row("four-byte character cut whole", "ABCDEFGHIJKL\xf0\x9f\x98\x80", 16, field("\025ABCDEFGHIJKL"));
        // A first character below 0x20 would read back as a selector.
        row("control first", "\005AB", 16, field("\025\005AB"));
        QTest::addRow("NUL ends the name") << (QString(u'A') + QChar(0) + QString(u'B')) << 16 << field("A");
        // A lone half of a surrogate pair is no character: it goes, not as "?".
        const QChar high(0xD83D), low(0xDE00);
        QTest::addRow("unpaired surrogates dropped")
            << QString(QStringLiteral("A") + high + QStringLiteral("B") + low) << 16 << field("AB");
        QTest::addRow("unpaired surrogate beside a pair")
            << QString(QStringLiteral("\u0416") + high + high + low) << 16
            << field("\x15\xd0\x96\xf0\x9f\x98\x80");
    }

    void encodesPlainOrUtf8()
    {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QByteArray, bytes);
        QCOMPARE(KelmoraNameCodec::encode(text, width), bytes);
    }
};

QTEST_GUILESS_MAIN(TestKelmoraNameCodec)
#include "tst_kelmoranamecodec.moc"
