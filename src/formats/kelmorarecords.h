#pragma once

#include <QHash>
#include <QList>
#include <QSet>

#include <utility>

class Channel;
class Editable;
class FavoriteGroup;
class FlatImage;
class Provider;
class Satellite;
class Transponder;
struct KelmoraLayout;

// The records of the five tables of a Kelmora image, one read and one write
// per kind, at the places one model's layout gives. A read makes a new
// object that the caller adds to the store; records refer to one another
// by list position, which the caller resolves or hands in.
class KelmoraRecords
{
public:
    KelmoraRecords(FlatImage &image, const KelmoraLayout &layout);

    // The width of the name field of the object's record.
    int nameWidthOf(const Editable *owner) const;

    Satellite *readSatellite(int slot) const;
    void writeSatellite(const Satellite &satellite, int slot, int transponderCount);
    // A satellite position beyond the list names no satellite.
    Transponder *readTransponder(int slot, const QList<Satellite *> &satellites) const;
    // A position of -1 stands for no satellite.
    void writeTransponder(const Transponder &transponder, int slot, int satellitePosition);
    Provider *readProvider(int slot) const;
    void writeProvider(const Provider &provider, int slot);
    Channel *readChannel(
        int slot, bool tv, const QList<Provider *> &providers, const QList<Transponder *> &transponders);
    void writeChannel(const Channel &channel, int slot, int providerPosition, int transponderPosition);
    FavoriteGroup *readFavoriteGroup(int slot) const;
    // The channel slots the group's record names, as many as its count says.
    QList<int> favoriteGroupEntries(int slot) const;
    // Each member as its channel slot and whether it is a TV channel; those
    // beyond the record's room are left out.
    void writeFavoriteGroup(const FavoriteGroup &group, int slot, const QList<std::pair<int, bool>> &members);

    // Zeroes the records in slots [from, to) of the table at tableOffset.
    void clearSlots(int tableOffset, int recordSize, int from, int to);

private:
    QString readName(Editable *owner, int offset, int width) const;
    void writeName(const Editable &owner, const QString &text, int offset, int width);
    void writeReservedBytes(const Editable &owner, int offset, int count);
    // The flags a channel record's flag word holds, one set per distinct
    // word, shared by every channel that has it.
    const QSet<int> &flagSetOf(int word);

    FlatImage &m_image;
    const KelmoraLayout &m_layout;
    QHash<int, QSet<int>> m_flagSets;
};
