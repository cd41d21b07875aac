#include "formats/kelmoranamecodec.h"

#include <QStringDecoder>
#include <QTextCodec>

#include <array>
#include <cstring>
#include <optional>

namespace {

constexpr quint8 Utf8Selector = 0x15;
constexpr quint8 TableNumberSelector = 0x10;
constexpr quint8 FirstPlainByte = 0x20;

using ByteTable = std::array<char16_t, 256>;

// How the bytes after a selector read: through a table of one character a
// byte, through a codec, as UTF-8, or (none of them) as ISO 8859-1.
struct Charset
{
    std::optional<ByteTable> table;
    QTextCodec *codec = nullptr;
    bool utf8 = false;
};

// Each byte's character, if the codec gives exactly one for every byte and
// the same ones for all bytes at once: a codec converts through a converter
// it opens and closes on every call, far slower than a look-up.
std::optional<ByteTable> byteTableOf(const QTextCodec *codec)
{
    ByteTable table;
    char allBytes[256];
    for (int byte = 0; byte < 256; ++byte) {
        allBytes[byte] = char(byte);
        const QString text = codec->toUnicode(&allBytes[byte], 1);
        if (text.size() != 1)
            return std::nullopt;
        table[byte] = text.at(0).unicode();
    }
    const QString whole = codec->toUnicode(allBytes, int(sizeof allBytes));
    if (QStringView(whole) != QStringView(table.data(), qsizetype(table.size())))
        return std::nullopt;
    return table;
}

Charset charsetNamed(const char *name)
{
    // A codec the toolkit lacks falls back to ISO 8859-1, which decodes
    // every byte to something.
    Charset charset;
    charset.codec = QTextCodec::codecForName(name);
    if (charset.codec)
        charset.table = byteTableOf(charset.codec);
    return charset;
}

// Looked up once: a full file holds thousands of names.
struct Charsets
{
    std::array<Charset, FirstPlainByte> bySelector;
    std::array<Charset, 16> byTableNumber;

    Charsets()
    {
        bySelector[0x01] = charsetNamed("ISO-8859-5");
        bySelector[0x02] = charsetNamed("ISO-8859-6");
        bySelector[0x03] = charsetNamed("ISO-8859-7");
        bySelector[0x04] = charsetNamed("ISO-8859-8");
        bySelector[0x05] = charsetNamed("ISO-8859-9");
        bySelector[0x06] = charsetNamed("ISO-8859-10");
        bySelector[0x09] = charsetNamed("ISO-8859-13");
        bySelector[0x0A] = charsetNamed("ISO-8859-14");
        bySelector[0x0B] = charsetNamed("ISO-8859-15");
        bySelector[0x14] = charsetNamed("Big5");
        bySelector[Utf8Selector].utf8 = true;
        for (int n = 2; n < int(byTableNumber.size()); ++n)
            byTableNumber[n] = charsetNamed(QByteArray("ISO-8859-" + QByteArray::number(n)).constData());
    }
};

const Charsets &charsets()
{
    static const Charsets instance;
    return instance;
}

QString decodeWith(const Charset &charset, const char *bytes, int size)
{
    if (size == 0)
        return QString();
    if (charset.table) {
        QString text(size, Qt::Uninitialized);
        QChar *out = text.data();
        for (int i = 0; i < size; ++i)
            out[i] = QChar((*charset.table)[quint8(bytes[i])]);
        return text;
    }
    if (charset.utf8) {
        // A name may start with U+FEFF, which fromUtf8 would take for a byte
        // order mark and drop; stateless, so that a sequence cut by the
        // field's end still reads as a replacement character.
        QStringDecoder decoder(
            QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless);
        return decoder(QByteArrayView(bytes, size));
    }
    if (charset.codec)
        return charset.codec->toUnicode(bytes, size);
    return QString::fromLatin1(bytes, size);
}

// Reads a text as code points. A lone half of a surrogate pair stands for no
// character; encoding it would put a replacement mark into the file, so it
// is passed over.
class CharacterReader
{
public:
    explicit CharacterReader(QStringView text)
        : m_at(text.utf16())
        , m_end(m_at + text.size())
    { }

    // False at the end of the text.
    bool next(char32_t &character)
    {
        while (m_at != m_end) {
            const char16_t unit = *m_at++;
            if (!QChar::isSurrogate(unit)) {
                character = unit;
                return true;
            }
            if (QChar::isHighSurrogate(unit) && m_at != m_end && QChar::isLowSurrogate(*m_at)) {
                character = QChar::surrogateToUcs4(unit, *m_at++);
                return true;
            }
        }
        return false;
    }

private:
    const char16_t *m_at;
    const char16_t *m_end;
};

// Writes the text a byte a character as far as the field holds it. False,
// with the field zeroed again, if the text needs UTF-8. A plain text must
// not start with a byte that reads back as a selector.
bool writePlain(QStringView text, char *out, int width)
{
    CharacterReader reader(text);
    char32_t c;
    int at = 0;
    for (bool first = true; reader.next(c); first = false) {
        if (c > 0xFF || (first && c < FirstPlainByte)) {
            std::memset(out, 0, size_t(at));
            return false;
        }
        if (at < width)
            out[at++] = char(c);
    }
    return true;
}

// Writes the selector and as many whole characters as fit; a text too long
// for the field loses its last characters, never part of one.
void writeUtf8(QStringView text, char *out, int width)
{
    static constexpr quint8 leads[] = { 0, 0, 0xC0, 0xE0, 0xF0 };
    CharacterReader reader(text);
    char32_t c;
    int at = 0;
    out[at++] = char(Utf8Selector);
    while (reader.next(c)) {
        const int length = c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (at + length > width)
            break;
        for (int i = length - 1; i > 0; --i, c >>= 6)
            out[at + i] = char(0x80 | (c & 0x3F));
        out[at] = char(leads[length] | c);
        at += length;
    }
}

} // namespace

KelmoraNameCodec::Decoded KelmoraNameCodec::decode(const QByteArray &field)
{
    const int width = int(field.size());
    auto byte = [&field, width](int i) { return i < width ? quint8(field.at(i)) : quint8(0); };

    const quint8 first = byte(0);
    int skip = 0;
    static const Charset latin1;
    const Charset *charset = &latin1;
    if (first == TableNumberSelector) {
        // Two more bytes carry the table number N of ISO 8859-N, big-endian.
        skip = 3;
        const int tableNumber = (byte(1) << 8) | byte(2);
        if (tableNumber >= 1 && tableNumber < int(charsets().byTableNumber.size()))
            charset = &charsets().byTableNumber[tableNumber];
    } else if (first < FirstPlainByte) {
        skip = 1;
        charset = &charsets().bySelector[first];
    }

    const int start = std::min(skip, width);
    const char *text = field.constData() + start;
    const void *nul = std::memchr(text, '\0', size_t(width - start));
    const int end = nul ? int(static_cast<const char *>(nul) - field.constData()) : width;

    Decoded result;
    result.length = end;
    result.text = decodeWith(*charset, text, end - start);
    return result;
}

QByteArray KelmoraNameCodec::encode(const QString &fullText, int width)
{
    if (width <= 0)
        return QByteArray();
    // A NUL ends the name in the file; whatever followed it would be written
    // but never read back.
    const QStringView text = QStringView(fullText).left(fullText.indexOf(QChar(0)));
    // Written in place into the zeroed field: names are encoded by the
    // thousand, and temporaries cost more than the encoding itself.
    QByteArray field(width, '\0');
    char *out = field.data();
    if (!writePlain(text, out, width))
        writeUtf8(text, out, width);
    return field;
}

int KelmoraNameCodec::encodedSize(const QString &text)
{
    // No character takes more than four bytes, and a surrogate pair already
    // counts as two units; the NUL after the text marks where it ends.
    const QByteArray field = encode(text, 1 + 4 * int(text.size()) + 1);
    if (field.front() == '\0')
        return 0;
    return decode(field).length;
}
