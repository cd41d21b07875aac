#pragma once

#include "formats/flatimage.h"
#include "store/settings.h"

#include <QByteArray>

class QFileDevice;

// A store whose file is one fixed-size byte image, kept whole in memory so
// that bytes no table covers are written back exactly as they were read.
class SettingsFlatBinary : public Settings
{
    Q_OBJECT

public:
    const QByteArray &image() const { return m_image.bytes(); }
    const QByteArray *fileImage() const override { return &m_image.bytes(); }

protected:
    SettingsFlatBinary() = default;

    FlatImage &flatImage() { return m_image; }
    void setImage(const QByteArray &image) { m_image.setBytes(image); }
    // Writes the whole image in one write; -1 with an error string when the
    // device took less than all of it.
    [[nodiscard]] qint64 writeImage(QFileDevice *file);

private:
    FlatImage m_image;
};
