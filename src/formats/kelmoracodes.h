#pragma once

#include <QMap>

// The codes a Kelmora file stores for the values of a property, one table
// per property: a value's code is written, a code read gives its value.
class KelmoraCodes
{
public:
    // Property value to the code stored in the file.
    static const QMap<int, int> &diseqc();
    static const QMap<int, int> &tone();
    static const QMap<int, int> &diseqc12();
    static const QMap<int, int> &diseqc11();
    static const QMap<int, int> &polarization();
    // Channel flag to its bit in the record's flag word.
    static const QMap<int, int> &channelFlagBits();

    // The code of a value, or 0 for a value the table does not know.
    static int codeFor(const QMap<int, int> &table, int value);
    // The smallest value with this code, or 0 for an unknown code.
    static int valueFor(const QMap<int, int> &table, int code);
};
