#include "formats/kelmoracodes.h"

#include <initializer_list>

namespace {

QMap<int, int> identityTable(std::initializer_list<int> values)
{
    QMap<int, int> table;
    for (int value : values)
        table.insert(value, value);
    return table;
}

} // namespace

const QMap<int, int> &KelmoraCodes::diseqc()
{
    static const QMap<int, int> table = identityTable({ 0, 1, 2, 3, 4, 5, 6 });
    return table;
}

const QMap<int, int> &KelmoraCodes::tone()
{
    static const QMap<int, int> table = identityTable({ 0, 1, 2 });
    return table;
}

const QMap<int, int> &KelmoraCodes::diseqc12()
{
    static const QMap<int, int> table = identityTable({ 0, 1 });
    return table;
}

const QMap<int, int> &KelmoraCodes::diseqc11()
{
    // Ports 10 to 16 are two decimal digits in the halves of the byte.
    static const QMap<int, int> table
        = identityTable({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16 });
    return table;
}

const QMap<int, int> &KelmoraCodes::polarization()
{
    static const QMap<int, int> table = identityTable({ 0, 1 });
    return table;
}

const QMap<int, int> &KelmoraCodes::channelFlagBits()
{
    static const QMap<int, int> table = identityTable({ 1, 2, 4, 8, 16, 32 });
    return table;
}

int KelmoraCodes::codeFor(const QMap<int, int> &table, int value)
{
    return table.value(value, 0);
}

int KelmoraCodes::valueFor(const QMap<int, int> &table, int code)
{
    return table.key(code, 0);
}
