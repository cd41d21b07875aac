#include "order/channelsorter.h"

#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "search/channelmatcher.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

// What one channel is compared by, worked out once per sort.
struct SortKey
{
    bool absent = false;
    QString first;
    qint64 number = 0;
    QString second;
};

SortKey keyOf(const Channel *channel, ChannelSorter::Key key)
{
    SortKey result;
    switch (key) {
    case ChannelSorter::ByName:
        result.first = ChannelMatcher::fold(channel->name());
        break;
    case ChannelSorter::BySatelliteAndFrequency: {
        const Transponder *transponder = channel->transponder();
        result.absent = !transponder;
        if (!transponder)
            break;
        // A transponder without a satellite sorts after every satellite.
        result.first = transponder->satellite() ? ChannelMatcher::fold(transponder->satellite()->name())
                                                : QString(QChar(0xffff));
        result.number = qint64(transponder->frequency()) * 2 + (transponder->polarization() ? 1 : 0);
        break;
    }
    case ChannelSorter::ByProviderAndName:
        result.absent = !channel->provider();
        if (channel->provider())
            result.first = ChannelMatcher::fold(channel->provider()->name());
        result.second = ChannelMatcher::fold(channel->name());
        break;
    case ChannelSorter::ByServiceId:
    case ChannelSorter::KeyCount:
        result.number = channel->serviceId();
        break;
    }
    return result;
}

int compare(const SortKey &a, const SortKey &b)
{
    if (a.absent != b.absent)
        return a.absent ? 1 : -1;
    if (const int first = ChannelSorter::naturalCompare(a.first, b.first); first != 0)
        return first;
    if (a.number != b.number)
        return a.number < b.number ? -1 : 1;
    return ChannelSorter::naturalCompare(a.second, b.second);
}

// The digits of a run from `start`, leading zeros skipped: [first, end).
std::pair<qsizetype, qsizetype> digitRun(const QString &text, qsizetype start)
{
    qsizetype end = start;
    while (end < text.size() && text.at(end).isDigit())
        ++end;
    qsizetype first = start;
    while (first + 1 < end && text.at(first).digitValue() == 0)
        ++first;
    return { first, end };
}

} // namespace

QString ChannelSorter::title(Key key)
{
    switch (key) {
    case ByName:
        return tr("Name");
    case BySatelliteAndFrequency:
        return tr("Satellite and Frequency");
    case ByProviderAndName:
        return tr("Provider and Name");
    case ByServiceId:
    case KeyCount:
        break;
    }
    return tr("Service Id");
}

int ChannelSorter::naturalCompare(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            const auto [aFirst, aEnd] = digitRun(a, i);
            const auto [bFirst, bEnd] = digitRun(b, j);
            // More significant digits is the larger number.
            if (aEnd - aFirst != bEnd - bFirst)
                return aEnd - aFirst < bEnd - bFirst ? -1 : 1;
            for (qsizetype k = 0; k < aEnd - aFirst; ++k)
                if (const int d = a.at(aFirst + k).digitValue() - b.at(bFirst + k).digitValue(); d != 0)
                    return d;
            i = aEnd;
            j = bEnd;
            continue;
        }
        if (a.at(i) != b.at(j))
            return a.at(i).unicode() < b.at(j).unicode() ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return 0;
}

QList<Channel *> ChannelSorter::sorted(const QList<Channel *> &channels, Key key)
{
    std::vector<SortKey> keys;
    keys.reserve(size_t(channels.size()));
    for (const Channel *channel : channels)
        keys.push_back(keyOf(channel, key));
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
        [&keys](int a, int b) { return compare(keys[size_t(a)], keys[size_t(b)]) < 0; });
    QList<Channel *> result;
    result.reserve(channels.size());
    for (const int index : order)
        result.append(channels.at(index));
    return result;
}
