#pragma once

#include "store/storedname.h"

#include <QByteArray>
#include <QString>

class Editable;

// The name fields of a Kelmora file's records. A name read is remembered
// with its bytes by the object it names, and an unchanged name keeps those
// bytes on a save, so that saving an untouched file neither re-encodes nor
// cuts any name.
class KelmoraNames
{
public:
    // Decodes a field and has the object it names remember it.
    static QString read(Editable *owner, const QByteArray &field);
    // The width bytes a save writes for the object's name.
    static QByteArray field(const Editable *owner, const QString &text, int width);
    // What a field of this width makes of the name.
    static StoredName stored(const Editable *owner, const QString &name, int width);

private:
    static bool keepsReadBytes(const Editable *owner, const QString &text, int width);
};
