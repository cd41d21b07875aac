#pragma once

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
