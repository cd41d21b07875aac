#pragma once

#include "formats/settingskelmora.h"
#include "reusedimage.h"

#include <QByteArray>
#include <QFile>

#include <cstdio>
#include <cstdlib>

// Saves through the store's file code into a device that keeps nothing:
// the saved bytes are the store's image, and copying them into a file would
// cost more than encoding the records. Edits never add objects, so a store
// loaded from an image always fits its tables.
inline void saveDiscarding(SettingsKelmora &settings)
{
    static QFile discard(QStringLiteral("/dev/null"));
    if (!discard.isOpen() && !discard.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        std::abort();
    if (settings.save(&discard) != settings.image().size())
        std::abort();
}

// Says where two saves differ before stopping, so a finding can be read
// without a debugger.
inline void abortOnDifference(const char *what, const QByteArray &expected, const QByteArray &saved)
{
    if (expected == saved)
        return;
    qsizetype at = 0;
    while (at < expected.size() && at < saved.size() && expected.at(at) == saved.at(at))
        ++at;
    std::fprintf(stderr, "%s differs at offset 0x%llx: %s instead of %s\n", what, qlonglong(at),
        saved.mid(at, 16).toHex(' ').constData(), expected.mid(at, 16).toHex(' ').constData());
    std::abort();
}

// Loads what the saved store holds into a second store of its model and
// saves that: what the editor writes it must read back as itself. Hands the
// first store's image back to the buffer it came from.
template<typename Model> void loadSavedAgain(Model &first, ReusedImage &firstImage)
{
    static ReusedImage secondImage;
    Model second;
    secondImage.copyOf(first.image());
    secondImage.loadInto(second);
    saveDiscarding(second);
    abortOnDifference("The second save", first.image(), second.image());
    firstImage.takeBackFrom(first);
    secondImage.takeBackFrom(second);
}
