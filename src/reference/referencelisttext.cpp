#include "reference/referencelisttext.h"

#include <QCoreApplication>
#include <QStringView>

#include <optional>

namespace {

std::optional<quint16> wordFrom(QStringView text)
{
    bool ok = false;
    const uint value = text.trimmed().toUInt(&ok);
    if (!ok || value > 0xFFFF)
        return std::nullopt;
    return quint16(value);
}

// Empty text is a valid unknown key; anything else must be three words.
bool readKey(QStringView text, std::optional<ServiceKey> &key)
{
    text = text.trimmed();
    if (text.isEmpty())
        return true;
    const QList<QStringView> parts = text.split(u'-');
    if (parts.size() != 3)
        return false;
    const auto onid = wordFrom(parts.at(0));
    const auto tsid = wordFrom(parts.at(1));
    const auto sid = wordFrom(parts.at(2));
    if (!onid || !tsid || !sid)
        return false;
    key = ServiceKey { *onid, *tsid, *sid };
    return true;
}

// Returns the reason when the line does not parse.
QString readLine(QStringView line, ReferenceEntry &entry)
{
    const qsizetype first = line.indexOf(u';');
    const qsizetype last = line.lastIndexOf(u';');
    if (first < 0 || first == last)
        return ReferenceListText::tr("expected \"number;name;ONID-TSID-SID\"");
    bool ok = false;
    entry.number = line.left(first).trimmed().toInt(&ok);
    if (!ok)
        return ReferenceListText::tr("the number \"%1\" is not a whole number")
            .arg(line.left(first).trimmed());
    entry.name = line.mid(first + 1, last - first - 1).toString();
    if (!readKey(line.mid(last + 1), entry.key))
        return ReferenceListText::tr("\"%1\" is not ONID-TSID-SID, three numbers from 0 to 65535")
            .arg(line.mid(last + 1).trimmed());
    return QString();
}

QString keyText(const std::optional<ServiceKey> &key)
{
    if (!key)
        return QString();
    return QStringLiteral("%1-%2-%3")
        .arg(key->originalNetworkId)
        .arg(key->transportStreamId)
        .arg(key->serviceId);
}

} // namespace

ReferenceListText::ReadResult ReferenceListText::read(const QByteArray &text)
{
    ReadResult result;
    QList<ReferenceEntry> entries;
    QString decoded = QString::fromUtf8(text);
    // Spreadsheets often save with a byte order mark.
    if (decoded.startsWith(QChar(0xFEFF)))
        decoded.remove(0, 1);
    int lineNumber = 0;
    for (QStringView line : QStringView(decoded).split(u'\n')) {
        ++lineNumber;
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed.startsWith(u'#'))
            continue;
        ReferenceEntry entry;
        const QString problem = readLine(line, entry);
        if (problem.isEmpty())
            entries.append(entry);
        else
            result.problems.append({ lineNumber, problem });
    }
    result.list = ReferenceList(entries);
    return result;
}

QByteArray ReferenceListText::write(const ReferenceList &list)
{
    QString text = QStringLiteral("# number;name;ONID-TSID-SID\n");
    for (const ReferenceEntry &entry : list.entries()) {
        // A line break inside a name would split the entry in two.
        QString name = entry.name;
        name.replace(u'\n', u' ').replace(u'\r', u' ');
        text += QString::number(entry.number) % u';' % name % u';' % keyText(entry.key) % u'\n';
    }
    return text.toUtf8();
}
