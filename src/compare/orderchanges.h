#pragma once

#include <QList>

// The elements of a sequence that broke its order: given the positions in
// one list of items listed in the order of another list, marks the fewest
// whose removal leaves the rest ascending (all but one longest ascending
// subsequence). So one channel moved from the top to the bottom is one
// move, not a shift of every channel in between.
QList<bool> outOfOrder(const QList<int> &positions);
