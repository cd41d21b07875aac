#include "formats/kelmoranames.h"

#include "formats/kelmoranamecodec.h"
#include "model/editable.h"

QString KelmoraNames::read(Editable *owner, const QByteArray &field)
{
    const KelmoraNameCodec::Decoded decoded = KelmoraNameCodec::decode(field);
    owner->setRememberedName({ decoded.text, field.left(decoded.length) });
    return decoded.text;
}

bool KelmoraNames::keepsReadBytes(const Editable *owner, const QString &text, int width)
{
    const Editable::RememberedName &read = owner->rememberedName();
    // The width test guards against a name read from a wider field, as a
    // 2XX channel name is.
    return !read.isEmpty() && read.text == text && read.bytes.size() <= width;
}

QByteArray KelmoraNames::field(const Editable *owner, const QString &text, int width)
{
    if (!keepsReadBytes(owner, text, width))
        return KelmoraNameCodec::encode(text, width);
    QByteArray field = owner->rememberedName().bytes;
    field.append(width - field.size(), '\0');
    return field;
}

StoredName KelmoraNames::stored(const Editable *owner, const QString &name, int width)
{
    // Read bytes decode to the text they were read as; most names of a file
    // take this way, which the channel table asks for on every paint.
    if (owner && keepsReadBytes(owner, name, width))
        return { name, width - int(owner->rememberedName().bytes.size()) };
    const QString stored = KelmoraNameCodec::decode(KelmoraNameCodec::encode(name, width)).text;
    return { stored, width - KelmoraNameCodec::encodedSize(name) };
}
