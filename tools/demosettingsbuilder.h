#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class Settings;

// Builds settings files of either receiver model from scratch: a blank image
// (the magic, then zeros) filled through the store's add operations and
// saved. The demo content is small and plausible; the filled content puts a
// given fraction of every table's capacity in place, for benchmarks.
class DemoSettingsBuilder
{
public:
    enum class Model { Kelmora2XX, KelmoraHD };

    [[nodiscard]] static QByteArray blankImage(Model model);
    // A store loaded from a blank image; null only when loading fails.
    [[nodiscard]] static std::unique_ptr<Settings> createBlank(Model model);

    static void fillDemo(Settings *settings);
    // Every table to the fraction (0 to 1) of what the store can hold, and
    // every favourite group to the same fraction of its room.
    static void fillToFraction(Settings *settings, double fraction);

    // The bytes a save of the store writes; empty with the reason in error
    // when the save fails.
    [[nodiscard]] static QByteArray saveToBytes(Settings *settings, QString *error = nullptr);
    [[nodiscard]] static QByteArray demoFile(Model model, QString *error = nullptr);
    [[nodiscard]] static QByteArray filledFile(Model model, double fraction, QString *error = nullptr);
};
