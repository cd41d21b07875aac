#pragma once

#include <QByteArray>
#include <QString>

// Turns the fixed-width name fields of a settings image into text and back.
// A field may start with a byte below 0x20 that selects a character table;
// the text ends at the first NUL after it or at the end of the field.
class KelmoraNameCodec
{
public:
    struct Decoded
    {
        QString text;
        // How many leading bytes of the field make up the name: the
        // selector bytes and the text, without the terminating NUL.
        int length = 0;
    };

    [[nodiscard]] static Decoded decode(const QByteArray &field);
    // Exactly width bytes. Text that ISO 8859-1 holds is written plainly,
    // anything else as UTF-8 behind the selector 0x15; a text too long for
    // the field loses whole characters at its end, never part of one.
    [[nodiscard]] static QByteArray encode(const QString &text, int width);
    // How many bytes encode() needs for the whole text, selector included.
    [[nodiscard]] static int encodedSize(const QString &text);
};
