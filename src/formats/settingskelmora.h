#pragma once

#include "formats/kelmoralayout.h"
#include "formats/settingsflatbinary.h"

#include <QHash>
#include <QMap>
#include <QSet>

class Channel;
class Editable;
class FavoriteGroup;
class Provider;
class Satellite;
class Transponder;

// The settings image of a Kelmora receiver: a header of counts and five
// tables whose records refer to one another by list position. Loading
// decodes the tables into the store; saving writes the store back into the
// same image, so bytes outside the tables survive. The two receiver models
// differ in the table positions and the channel record.
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

    // Property value to the code stored in the file.
    static const QMap<int, int> &diseqcCodes();
    static const QMap<int, int> &toneCodes();
    static const QMap<int, int> &diseqc12Codes();
    static const QMap<int, int> &diseqc11Codes();
    static const QMap<int, int> &polarizationCodes();
    static const QMap<int, int> &channelFlagBits();
    // The code of a value, or 0 for a value the table does not know.
    static int codeFor(const QMap<int, int> &table, int value);
    // The smallest value with this code, or 0 for an unknown code.
    static int valueFor(const QMap<int, int> &table, int code);

protected:
    static StoreRules rulesOf(const KelmoraLayout &model);

    // Valid only once a whole image has been loaded.
    const KelmoraLayout &layout() const { return m_modelLayout; }

    virtual void loadRecords();
    virtual void storeRecords();
    void mergeProviders();
    void moveKeepLastSatelliteToEnd();

    virtual Satellite *readSatellite(int slot);
    virtual void writeSatellite(Satellite *satellite, int slot);
    virtual Transponder *readTransponder(int slot);
    virtual void writeTransponder(Transponder *transponder, int slot);
    virtual Provider *readProvider(int slot);
    virtual void writeProvider(Provider *provider, int slot);
    virtual Channel *readChannel(int slot, int tvCount);
    virtual void writeChannel(Channel *channel, int slot);
    virtual FavoriteGroup *readFavoriteGroup(int slot);
    virtual void writeFavoriteGroup(FavoriteGroup *group, int slot);

    // The flags a channel record's flag word holds, one set per distinct
    // word, shared by every channel that has it.
    const QSet<int> &flagSetOf(int word);

    // Zeroes the records in slots [from, to) of the table at tableOffset.
    void clearSlots(int tableOffset, int recordSize, int from, int to);

private:
    // Decodes a name field and has the object it names remember it.
    QString readName(Editable *owner, int offset, int width);
    // The bytes a save writes for the name: an unchanged name keeps the bytes
    // it was read from, so that saving an untouched file neither re-encodes
    // nor cuts any name.
    static QByteArray nameField(const Editable *owner, const QString &text, int width);
    static bool keepsReadBytes(const Editable *owner, const QString &text, int width);
    void writeName(const Editable *owner, const QString &text, int offset, int width);
    int nameWidthOf(const Editable *owner) const;
    void writeReservedBytes(const Editable *owner, int offset, int count);
    // Why the store cannot be written into this model's tables, or empty.
    QString capacityProblem() const;
    int channelSlotOf(Channel *channel) const;
    void buildSavePositions();

    const KelmoraLayout &m_modelLayout;
    bool m_loaded = false;

    // How many leading slots of each table may still hold a record's bytes:
    // every slot of a loaded image, then only the slots the last save wrote.
    // A save clears just the slots between its count and these, so saving
    // again does not walk whole tables, yet writes what clearing every
    // unused slot would.
    struct SlotsHoldingBytes
    {
        int satellites;
        int transponders;
        int providers;
        int channels;
    };
    SlotsHoldingBytes m_slotsHoldingBytes;

    // Positions in the store's lists, valid during storeRecords only.
    QHash<const Satellite *, int> m_satellitePositions;
    QHash<const Satellite *, int> m_transponderCounts;
    QHash<const Transponder *, int> m_transponderPositions;
    QHash<const Provider *, int> m_providerPositions;
    // The flag sets made so far, by the record's flag word.
    QHash<int, QSet<int>> m_flagSets;
};
