#include "formats/kelmoraprovidermerge.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "store/settings.h"

#include <algorithm>
#include <numeric>
#include <vector>

void KelmoraProviderMerge::apply(Settings &settings)
{
    // Compared by the name and by the bytes a save writes, which for an
    // unchanged name are the bytes it was read from (the next load would
    // merge those, so saving a file just read would change it). Either
    // likeness joins; the first of each group survives.
    const QList<Provider *> list = settings.providers();
    std::vector<int> firstOf(size_t(list.size()));
    std::iota(firstOf.begin(), firstOf.end(), 0);
    auto first = [&firstOf](int i) {
        while (firstOf[size_t(i)] != i)
            i = firstOf[size_t(i)] = firstOf[size_t(firstOf[size_t(i)])];
        return i;
    };
    QHash<QString, int> byName;
    QHash<QString, int> byStoredName;
    auto join = [&first, &firstOf](QHash<QString, int> &seen, const QString &key, int i) {
        const auto it = seen.constFind(key);
        if (it == seen.cend()) {
            seen.insert(key, i);
            return;
        }
        const int a = first(*it);
        const int b = first(i);
        firstOf[size_t(std::max(a, b))] = std::min(a, b);
    };
    for (int i = 0; i < list.size(); ++i) {
        join(byName, list.at(i)->name(), i);
        join(byStoredName, settings.storedName(list.at(i), list.at(i)->name()).text, i);
    }

    QHash<const Provider *, Provider *> survivorOf;
    QList<Provider *> duplicates;
    for (int i = 0; i < list.size(); ++i) {
        if (first(i) == i)
            continue;
        survivorOf.insert(list.at(i), list.at(first(i)));
        duplicates.append(list.at(i));
    }
    if (duplicates.isEmpty())
        return;

    auto moveToFirst = [&survivorOf](Channel *channel) {
        // A channel without provider stays without one; only channels of a
        // duplicate change, so that the others announce nothing.
        if (Provider *survivor = survivorOf.value(channel->provider()))
            channel->setProvider(survivor);
    };
    for (Channel *channel : settings.mainChannelList().channels())
        moveToFirst(channel);
    // A channel held only by a group would otherwise keep a deleted provider.
    for (FavoriteGroup *group : settings.favoriteGroups())
        for (Channel *channel : settings.channelsOf(group))
            moveToFirst(channel);
    settings.removeProviders(duplicates);
}
