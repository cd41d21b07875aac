#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Writes a table as CSV that spreadsheets read back unchanged: UTF-8 with a
// byte order mark (without it they guess a local code page and garble
// Cyrillic and Greek), a header row of titles, CRLF line ends, and fields
// holding a quote, comma or line break enclosed in quotes with inner quotes
// doubled. Names come from broadcast data: a cell a spreadsheet would run as
// a formula gets an apostrophe in front, which shows it as plain text.
class CsvWriter
{
public:
    [[nodiscard]] static QByteArray write(const QStringList &titles, const QList<QStringList> &rows);
    [[nodiscard]] static QString field(const QString &text);
};
