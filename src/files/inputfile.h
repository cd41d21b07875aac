#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads a file the user named, whole, without ever hanging on it: "-" stands
// for standard input, anything but a regular file (a FIFO, a device, a
// folder) is refused before it is opened, since reading it could block
// forever or never end, and so is a file larger than the caller's bound.
class InputFile
{
    Q_DECLARE_TR_FUNCTIONS(InputFile)

public:
    struct Result
    {
        QByteArray bytes;
        // The file's size; for standard input past the bound, one more than it.
        qint64 size = 0;
        bool tooLarge = false;
        // Why nothing was read; empty when bytes hold the whole file.
        QString error;
        bool ok() const { return error.isEmpty(); }
    };

    static bool isStandardInput(const QString &path) { return path == QLatin1String("-"); }
    // Why the path must not be opened for reading, or empty.
    static QString refusal(const QString &path);
    [[nodiscard]] static Result read(const QString &path, qint64 maxSize);

private:
    static Result readStandardInput(qint64 maxSize);
};
