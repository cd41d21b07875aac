#pragma once

#include <QString>

#include <limits>

// A name as the file will hold it: the text a save writes and the next load
// gives back, and how much room the name's field has left.
struct StoredName
{
    static constexpr int Unlimited = std::numeric_limits<int>::max();

    QString text;
    // Bytes still free in the field, negative by as many as the name needs
    // beyond it; Unlimited for a store without a file format behind it.
    int bytesLeft = Unlimited;
};
