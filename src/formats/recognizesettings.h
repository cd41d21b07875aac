#pragma once

#include <QString>

#include <memory>

class QByteArray;
class QFile;
class Settings;

// Recognises a Kelmora 2XX or HD settings file by its magic and exact size
// and returns a new store holding it, already loaded; the caller owns it.
// Returns null for a file that is not recognised or cannot be read whole.
// The file must be open for reading.
[[nodiscard]] Settings *recognizeSettings(QFile *file);

// The same for an image already in memory, such as a recovery copy.
[[nodiscard]] std::unique_ptr<Settings> recognizeSettingsImage(const QByteArray &image);

// The bytes every settings file starts with.
const QByteArray &settingsMagic();
[[nodiscard]] bool looksLikeSettings(const QByteArray &head);
// The size of the larger model's file: no settings file is larger.
qint64 largestSettingsSize();
// Why bytes of this start and size are no settings file, as a clause to
// follow "not a Kelmora 2XX or HD settings file: ". A size of -1 stands
// for more than any model's file.
QString unrecognizedSettingsReason(const QByteArray &head, qint64 size);

// A settings file read whole and recognised: the store, or why there is none.
struct SettingsFileRead
{
    std::unique_ptr<Settings> settings;
    // Why the file could not be read; empty when it was.
    QString readError;
    // Why what was read is no settings file, as unrecognizedSettingsReason says.
    QString unrecognized;
};

// Reads a settings file whole ("-" is standard input) and recognises it.
[[nodiscard]] SettingsFileRead readSettingsFile(const QString &path);
// The same, null with the reason as a whole clause when it cannot be read or is none.
[[nodiscard]] std::unique_ptr<Settings> readSettingsFile(const QString &path, QString *reason);
