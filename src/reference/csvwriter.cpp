#include "reference/csvwriter.h"

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
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    const bool formula = !text.isEmpty() && formulaStarts.contains(text.front());
    const bool needsQuotes
        = text.contains(u'"') || text.contains(u',') || text.contains(u'\r') || text.contains(u'\n');
    if (!needsQuotes)
        return formula ? u'\'' + text : text;
    QString escaped = formula ? u'\'' + text : text;
    escaped.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}

QByteArray CsvWriter::write(const QStringList &titles, const QList<QStringList> &rows)
{
    QString text = record(titles);
    for (const QStringList &row : rows)
        text += record(row);
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}
