#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <optional>

class Editable;
class FavoriteGroup;
class Settings;

// The one rule of how many objects a settings file holds, for every way
// objects get into a store (creating, dropping, copying, applying an order)
// and for the save and the file check that meet a store holding too many.
// The answers name the list and its numbers; each caller words them for
// its user.
class CapacityCheck
{
    Q_DECLARE_TR_FUNCTIONS(CapacityCheck)

public:
    enum class Kind { Satellites, Transponders, Providers, Channels, FavoriteGroups, GroupChannels };

    // One list of the store held against the room the file has for it.
    struct Use
    {
        Kind kind;
        qsizetype count = 0;
        int limit = 0;
        qsizetype added = 0;
        // The group whose channels these are, for GroupChannels.
        FavoriteGroup *group = nullptr;

        bool over() const { return count + added > limit; }
    };

    // What a list of the kind holds, in the plural ("satellites").
    static QString nameOf(Kind kind);

    // The list that adding this many objects of the kind would overfill, or
    // nothing when they fit; adding nothing always fits. Channels added to
    // a favourite group count against that group's list as it is now.
    [[nodiscard]] static std::optional<Use> overflow(
        const Settings &settings, Kind kind, qsizetype added, Editable *group = nullptr);

    // Every list against its room, in the order satellites, transponders,
    // providers, channels, favourite groups, and then each group's channels
    // as a save writes them: only those that are also in the main list.
    [[nodiscard]] static QList<Use> uses(const Settings &settings);
};
