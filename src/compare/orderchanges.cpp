#include "compare/orderchanges.h"

#include <algorithm>

QList<bool> outOfOrder(const QList<int> &positions)
{
    const qsizetype n = positions.size();
    if (n == 0)
        return {};
    // Patience sorting: tails[k] is the index ending the best ascending run
    // of length k + 1 found so far; previous links each element to the one
    // before it in its run.
    QList<qsizetype> tails;
    QList<qsizetype> previous(n, -1);
    for (qsizetype i = 0; i < n; ++i) {
        const auto place = std::lower_bound(tails.cbegin(), tails.cend(), positions.at(i),
            [&](qsizetype index, int value) { return positions.at(index) < value; });
        const qsizetype length = place - tails.cbegin();
        if (length > 0)
            previous[i] = tails.at(length - 1);
        if (length == tails.size())
            tails.append(i);
        else
            tails[length] = i;
    }
    QList<bool> moved;
    moved.reserve(n);
    for (qsizetype i = 0; i < n; ++i)
        moved.append(true);
    for (qsizetype i = tails.isEmpty() ? -1 : tails.constLast(); i >= 0; i = previous.at(i))
        moved[i] = false;
    return moved;
}
