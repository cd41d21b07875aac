#pragma once

#include "store/settings.h"

#include <QByteArray>

class QFileDevice;

// A store whose file is one fixed-size byte image, kept whole in memory so
// that bytes no table covers are written back exactly as they were read.
// Every access is bounds-checked: reads beyond the image give 0.
class SettingsFlatBinary : public Settings
{
    Q_OBJECT

public:
    const QByteArray &image() const { return m_image; }
    const QByteArray *fileImage() const override { return &m_image; }

protected:
    SettingsFlatBinary() = default;

    quint8 byteAt(int offset) const;
    // Stores the low 8 bits; an offset beyond the end grows the image.
    void setByte(int offset, int value);
    quint16 wordAt(int offset) const;
    void setWord(int offset, int value);
    // The count bytes from offset, with 0 for every byte beyond the image.
    QByteArray bytesAt(int offset, int count) const;
    void setBytes(int offset, const QByteArray &bytes);
    void fillBytes(int offset, int count, quint8 value);

    void setImage(const QByteArray &image) { m_image = image; }
    // Writes the whole image in one write; -1 with an error string when the
    // device took less than all of it.
    [[nodiscard]] qint64 writeImage(QFileDevice *file);

private:
    void ensureSize(int size);

    QByteArray m_image;
};
