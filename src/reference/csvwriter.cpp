#include "csvwriter.h"

namespace {

QString record(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &text : fields)
        quoted.append(CsvWriter::field(text));
    return quoted.join(u',') + QStringLiteral("\r\n");
}

} // namespace

QString CsvWriter::field(const QString &text)
{
    const bool needsQuotes
        = text.contains(u'"') || text.contains(u',') || text.contains(u'\r') || text.contains(u'\n');
    if (!needsQuotes)
        return text;
    QString escaped = text;
    escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QByteArray CsvWriter::write(const QStringList &titles, const QList<QStringList> &rows)
{
    QString text = record(titles);
    for (const QStringList &row : rows)
        text += record(row);
    return text.toUtf8();
}
