#pragma once

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QString>

// The whole file, or nothing when it cannot be read.
inline QByteArray readFileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeFileBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The permission bits of a file, as in 0600.
inline int fileMode(const QString &path)
{
    const int permissions = QFileInfo(path).permissions().toInt();
    return (permissions >> 12 & 07) << 6 | (permissions >> 4 & 07) << 3 | (permissions & 07);
}
