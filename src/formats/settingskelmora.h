#pragma once

#include "formats/kelmoralayout.h"
#include "formats/kelmorarecords.h"
#include "formats/kelmorawriter.h"
#include "formats/settingsflatbinary.h"

// The settings image of a Kelmora receiver: a header of counts and five
// tables whose records refer to one another by list position. Loading
// decodes the tables into the store; saving writes the store back into the
// same image, so bytes outside the tables survive. The models differ in
// their layout row (table positions and sizes, the channel record).
class SettingsKelmora : public SettingsFlatBinary
{
    Q_OBJECT

public:
    explicit SettingsKelmora(const KelmoraLayout &modelLayout);

    [[nodiscard]] bool load(QFileDevice *file) override;
    // Loads an image already in memory, as load() does the file's bytes.
    [[nodiscard]] bool loadImage(const QByteArray &bytes);
    [[nodiscard]] qint64 save(QFileDevice *file) override;
    StoredName storedName(const Editable *owner, const QString &name) const override;
    QString model() const override { return QLatin1String(m_modelLayout.model); }
    QString modelName() const override { return QLatin1String(m_modelLayout.modelName); }

private:
    // Why the store cannot be written into this model's tables, or empty.
    QString capacityProblem() const;
    void moveKeepLastSatelliteToEnd();

    const KelmoraLayout &m_modelLayout;
    bool m_loaded = false;
    KelmoraRecords m_records;
    KelmoraWriter m_writer;
};
