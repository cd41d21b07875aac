// Decodes arbitrary name fields and encodes what came out, and arbitrary
// UTF-16 text, at random widths. An encoded name fills its field exactly,
// loses only whole characters at its end, and reads back as a text that
// encodes and decodes to itself.
//
// The input: a byte giving the field width, a byte giving the width to
// encode into, then the field; the same bytes also serve as UTF-16 text.

#include "formats/kelmoranamecodec.h"
#include "fuzzinput.h"

#include <QByteArray>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Text that the encoder can keep whole up to its first NUL, which ends a
// name in the file: well-formed UTF-16.
bool keepsWhole(const QString &text)
{
    return text.isValidUtf16();
}

void checkEncoding(const QString &text, int width)
{
    const QByteArray encoded = KelmoraNameCodec::encode(text, width);
    if (encoded.size() != width)
        std::abort();
    const KelmoraNameCodec::Decoded back = KelmoraNameCodec::decode(encoded);
    if (back.length > width)
        std::abort();
    if (keepsWhole(text) && !text.startsWith(back.text))
        std::abort();
    // A text read from a field is stable: saving it again changes nothing.
    // Encoding depends on nothing but its arguments, so a text that came back
    // as it was would only repeat the round trip just made.
    if (back.text != text
        && KelmoraNameCodec::decode(KelmoraNameCodec::encode(back.text, width)).text != back.text)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const int fieldWidth = input.byte() % 40;
    const int width = input.byte() % 40;
    // Views of the input rather than copies: a run is so short that each
    // allocation counts. libFuzzer's buffer is aligned, so the text after the
    // two leading bytes is aligned for UTF-16 too.
    const char *rest = reinterpret_cast<const char *>(data) + (size - input.remaining());
    const qsizetype restSize = qsizetype(input.remaining());

    const KelmoraNameCodec::Decoded decoded
        = KelmoraNameCodec::decode(QByteArray::fromRawData(rest, std::min<qsizetype>(fieldWidth, restSize)));
    if (decoded.length < 0 || decoded.length > fieldWidth)
        std::abort();
    checkEncoding(decoded.text, width);
    checkEncoding(QString::fromRawData(reinterpret_cast<const QChar *>(rest), restSize / 2), width);
    return 0;
}
