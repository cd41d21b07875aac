#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Writes an export (a table or a list made from a settings file) to the file
// the user named, whole or not at all. An existing target is replaced only
// when it is a regular file that holds no settings: a device or a pipe would
// be swapped for a plain file, and a settings file for a table, with no way
// back to what the receiver needs.
class ExportTarget
{
    Q_DECLARE_TR_FUNCTIONS(ExportTarget)

public:
    // Why the file must not be written, or empty.
    static QString refusal(const QString &path);
    // Why nothing was written, or empty once the file holds the bytes.
    [[nodiscard]] static QString write(const QString &path, const QByteArray &bytes);
};
