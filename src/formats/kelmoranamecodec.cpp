#include "kelmoranamecodec.h"

#include <QStringDecoder>
#include <QTextCodec>

#include <array>

namespace {

constexpr quint8 Utf8Selector = 0x15;
constexpr quint8 TableNumberSelector = 0x10;
constexpr quint8 FirstPlainByte = 0x20;

// A decoder for the bytes after a selector; null codec means ISO 8859-1.
struct Charset
{
    QTextCodec *codec = nullptr;
    bool utf8 = false;
};

Charset codecNamed(const char *name)
{
    // A codec the toolkit lacks falls back to ISO 8859-1, which decodes
    // every byte to something.
    return Charset { QTextCodec::codecForName(name), false };
}

// Looked up once: a full file holds thousands of names.
struct Charsets
{
    std::array<Charset, FirstPlainByte> bySelector;
    std::array<Charset, 16> byTableNumber;

    Charsets()
    {
        bySelector[0x01] = codecNamed("ISO-8859-5");
        bySelector[0x02] = codecNamed("ISO-8859-6");
        bySelector[0x03] = codecNamed("ISO-8859-7");
        bySelector[0x04] = codecNamed("ISO-8859-8");
        bySelector[0x05] = codecNamed("ISO-8859-9");
        bySelector[0x06] = codecNamed("ISO-8859-10");
        bySelector[0x09] = codecNamed("ISO-8859-13");
        bySelector[0x0A] = codecNamed("ISO-8859-14");
        bySelector[0x0B] = codecNamed("ISO-8859-15");
        bySelector[0x14] = codecNamed("Big5");
        bySelector[Utf8Selector].utf8 = true;
        for (int n = 2; n < int(byTableNumber.size()); ++n)
            byTableNumber[n] = codecNamed(QByteArray("ISO-8859-" + QByteArray::number(n)).constData());
    }
};

const Charsets &charsets()
{
    static const Charsets instance;
    return instance;
}

bool isLatin1(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() > 0xFF)
            return false;
    return true;
}

// A lone half of a surrogate pair stands for no character; encoding it would
// put a replacement mark into the file, so it is dropped instead.
QString withoutUnpairedSurrogates(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result.append(c);
            result.append(text.at(++i));
        } else if (!c.isSurrogate()) {
            result.append(c);
        }
    }
    return result;
}

} // namespace

KelmoraNameCodec::Decoded KelmoraNameCodec::decode(const QByteArray &field)
{
    const int width = int(field.size());
    auto byte = [&field, width](int i) { return i < width ? quint8(field.at(i)) : quint8(0); };

    const quint8 first = byte(0);
    int skip = 0;
    Charset charset;
    if (first == TableNumberSelector) {
        // Two more bytes carry the table number N of ISO 8859-N, big-endian.
        skip = 3;
        const int tableNumber = (byte(1) << 8) | byte(2);
        if (tableNumber >= 1 && tableNumber < int(charsets().byTableNumber.size()))
            charset = charsets().byTableNumber[tableNumber];
    } else if (first < FirstPlainByte) {
        skip = 1;
        charset = charsets().bySelector[first];
    }

    const int start = std::min(skip, width);
    int end = start;
    while (end < width && field.at(end) != '\0')
        ++end;

    const QByteArray bytes = field.mid(start, end - start);
    Decoded result;
    result.length = end;
    if (charset.utf8)
        // A name may start with U+FEFF, which fromUtf8 would take for a byte
        // order mark and drop; stateless, so that a sequence cut by the
        // field's end still reads as a replacement character.
        result.text = QStringDecoder(QStringDecoder::Utf8,
            QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless)(bytes);
    else if (charset.codec)
        result.text = charset.codec->toUnicode(bytes);
    else
        result.text = QString::fromLatin1(bytes);
    return result;
}

QByteArray KelmoraNameCodec::encode(const QString &fullText, int width)
{
    if (width <= 0)
        return QByteArray();
    // A NUL ends the name in the file; whatever followed it would be written
    // but never read back.
    const QString text = withoutUnpairedSurrogates(fullText.left(fullText.indexOf(QChar(0))));
    QByteArray bytes;
    // A plain text must not start with a byte that reads back as a selector.
    if (isLatin1(text) && (text.isEmpty() || text.at(0).unicode() >= FirstPlainByte)) {
        bytes = text.toLatin1().left(width);
    } else {
        bytes = char(Utf8Selector) + text.toUtf8();
        if (bytes.size() > width) {
            int cut = width;
            while (cut > 1 && (quint8(bytes.at(cut)) & 0xC0) == 0x80)
                --cut;
            bytes.truncate(cut);
        }
    }
    bytes.append(width - bytes.size(), '\0');
    return bytes;
}
