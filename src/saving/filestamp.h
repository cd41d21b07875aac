#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QString>

// What a file held when it was last read or written: its size, time of
// change and a hash of its bytes, enough to tell later whether another
// program has written it since.
struct FileStamp
{
    qint64 size = -1;
    QDateTime modified;
    QByteArray hash;

    static constexpr QCryptographicHash::Algorithm algorithm = QCryptographicHash::Sha256;

    bool isNull() const { return hash.isEmpty(); }
    // The content decides: a file only touched has not changed.
    bool sameContentAs(const FileStamp &other) const { return size == other.size && hash == other.hash; }

    // The file as it is now; null for one that is missing, unreadable or
    // not a regular file (reading a pipe could block for ever).
    [[nodiscard]] static FileStamp of(const QString &path);
};
