#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Writes a table as CSV that spreadsheets read back unchanged: UTF-8, a
// header row of titles, CRLF line ends, and fields holding a quote, comma or
// line break enclosed in quotes with inner quotes doubled.
class CsvWriter
{
public:
    [[nodiscard]] static QByteArray write(const QStringList &titles, const QList<QStringList> &rows);
    [[nodiscard]] static QString field(const QString &text);
};
