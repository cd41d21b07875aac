#pragma once

#include <QByteArray>
#include <QHash>

class Editable;

// The record of every object of a store as last committed, by id, in one
// block of bytes: a full file's records cost about what their bytes do,
// not an allocation each. A record given anew goes to the end; the block
// is packed again once most of it is records given up.
class RecordBook
{
public:
    void clear();
    void reserve(qsizetype objects);

    bool contains(quint64 id) const { return m_places.contains(id); }
    // Empty for an id the book does not hold.
    QByteArray record(quint64 id) const;
    void insert(quint64 id, const QByteArray &record);
    // The object's record as it is now.
    void insertRecordOf(const Editable &object);

private:
    struct Place
    {
        qsizetype begin = 0;
        qsizetype size = 0;
    };

    void place(quint64 id, qsizetype begin);
    void pack();

    QByteArray m_bytes;
    QHash<quint64, Place> m_places;
    // Bytes of records that were given anew since.
    qsizetype m_unused = 0;
};
