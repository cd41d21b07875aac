#pragma once

#include "formats/recognizesettings.h"
#include "formats/settingskelmora.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>

// A whole image that moves into a store for a run and back out after it, so
// that runs do not allocate images: under ASan every block this large is
// mapped afresh, and faulting in its pages cost more than the rest of a run.
class ReusedImage
{
public:
    // A model's image with nothing in it but the magic.
    template<typename Model> static const QByteArray &blank()
    {
        static const QByteArray image = [] {
            QByteArray bytes(Model::modelValues.fileSize, '\0');
            bytes.replace(0, settingsMagic().size(), settingsMagic());
            return bytes;
        }();
        return image;
    }
    static void setWord(QByteArray &image, int offset, int value)
    {
        image[offset] = char(value & 0xFF);
        image[offset + 1] = char(value >> 8);
    }

    // Only while no store holds the image.
    QByteArray &copyOf(const QByteArray &bytes)
    {
        m_bytes.resize(bytes.size());
        std::memcpy(m_bytes.data(), bytes.constData(), size_t(bytes.size()));
        return m_bytes;
    }
    // Like copyOf(blank), copying only the header, the first slot of each
    // table and the favourite groups: the only places a run lays records
    // in, and the only ones a store holding at most one record of each kind
    // (edits never add one) reads. A save writes nothing else but zeros, so the rest stays blank.
    QByteArray &blankAgain(const QByteArray &blank, const KelmoraLayout &l)
    {
        if (m_bytes.size() != blank.size())
            return copyOf(blank);
        for (const auto &[offset, length] : placesOfRecords(l))
            std::memcpy(m_bytes.data() + offset, blank.constData() + offset, size_t(length));
        return m_bytes;
    }
    // The store becomes the image's only holder, so that its save writes
    // into it instead of into a copy.
    void loadInto(SettingsKelmora &settings)
    {
        if (!settings.loadImage(std::exchange(m_bytes, QByteArray())))
            std::abort();
    }
    // Before the store goes, which leaves the image to this one again.
    void takeBackFrom(const SettingsKelmora &settings) { m_bytes = settings.image(); }

private:
    static std::array<std::pair<int, int>, 6> placesOfRecords(const KelmoraLayout &l)
    {
        const int header = std::min({ l.satelliteTableOffset, l.transponderTableOffset, l.providerTableOffset,
            l.channelTableOffset, l.favoriteGroupTableOffset });
        return { {
            { 0, header },
            { l.satelliteTableOffset, l.satelliteRecordSize },
            { l.transponderTableOffset, l.transponderRecordSize },
            { l.providerTableOffset, l.providerRecordSize },
            { l.channelTableOffset, l.channelRecordSize },
            { l.favoriteGroupTableOffset, l.favoriteGroupRecordSize * l.favoriteGroupCount },
        } };
    }

    QByteArray m_bytes;
};
