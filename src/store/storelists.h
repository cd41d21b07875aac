#pragma once

#include <QList>

class Channel;
class FavoriteGroup;
class Provider;
class Satellite;
class Transponder;

// The content of every list of a store as a value: which objects it holds
// and in what order. The lists are implicitly shared, so taking them from a
// store, or keeping the same lists twice, costs a copy only of a list that
// changes.
struct StoreLists
{
    // Whether two lists hold the same objects in the same order. Qt compares
    // the elements' bytes with memcmp even when both lists are empty, handing
    // it the null data of a list that never had any, which is undefined.
    template<typename T> static bool same(const QList<T *> &a, const QList<T *> &b)
    {
        return a.size() == b.size() && (a.isEmpty() || a == b);
    }

    struct Channels
    {
        QList<Channel *> channels;
        // The first tvCount channels form the list's TV block.
        int tvCount = 0;

        bool operator==(const Channels &other) const
        {
            return tvCount == other.tvCount && same(channels, other.channels);
        }
        bool operator!=(const Channels &other) const { return !(*this == other); }
    };

    QList<Satellite *> satellites;
    QList<Transponder *> transponders;
    QList<Provider *> providers;
    Channels main;
    // In the order the groups were added, which is the file's record order.
    QList<FavoriteGroup *> groups;
    // The channel list of each group, in the order of groups.
    QList<Channels> groupLists;
};
