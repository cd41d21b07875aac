#pragma once

#include "saving/safesaver.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <memory>

// A save file on a disk that fills up after `room` bytes: every write beyond
// that is cut short without an error, as a full disk's short writes are.
class FullDiskSaveFile : public QSaveFile
{
public:
    FullDiskSaveFile(const QString &name, qint64 room)
        : QSaveFile(name)
        , m_room(room)
    { }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        const qint64 allowed = std::min(length, m_room);
        const qint64 written = allowed > 0 ? QSaveFile::writeData(data, allowed) : 0;
        m_room -= std::max<qint64>(written, 0);
        return written;
    }

private:
    qint64 m_room;
};

// A file that reads back with one byte changed, as a failing disk might.
class ChangedByteFile : public QFile
{
public:
    ChangedByteFile(const QString &name, qint64 offset)
        : QFile(name)
        , m_offset(offset)
    { }

protected:
    qint64 readData(char *data, qint64 length) override
    {
        const qint64 read = QFile::readData(data, length);
        if (read > 0 && m_offset >= m_readSoFar && m_offset < m_readSoFar + read)
            data[m_offset - m_readSoFar] ^= 0x01;
        m_readSoFar += std::max<qint64>(read, 0);
        return read;
    }

private:
    qint64 m_offset;
    qint64 m_readSoFar = 0;
};

inline void fillDiskAfter(SafeSaver &saver, qint64 room)
{
    saver.setWriteDeviceFactory(
        [room](const QString &name) { return std::make_unique<FullDiskSaveFile>(name, room); });
}

inline void changeByteOnReadBack(SafeSaver &saver, qint64 offset)
{
    saver.setReadDeviceFactory(
        [offset](const QString &name) { return std::make_unique<ChangedByteFile>(name, offset); });
}
