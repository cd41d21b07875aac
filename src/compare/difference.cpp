#include "compare/difference.h"

#include "model/editable.h"

QString Difference::kindKey(Kind kind)
{
    switch (kind) {
    case Kind::OnlyHere:
        return QStringLiteral("removed");
    case Kind::OnlyThere:
        return QStringLiteral("added");
    case Kind::Changed:
        return QStringLiteral("changed");
    case Kind::Moved:
        return QStringLiteral("moved");
    }
    return QString();
}

QString Difference::kindTitle(Kind kind)
{
    switch (kind) {
    case Kind::OnlyHere:
        return tr("Only in this file");
    case Kind::OnlyThere:
        return tr("Only in the other file");
    case Kind::Changed:
        return tr("Changed");
    case Kind::Moved:
        return tr("Moved");
    }
    return QString();
}

QString Difference::changesText() const
{
    QStringList parts;
    for (const FieldChange &change : changes)
        parts.append(
            change.field + QStringLiteral(": ") + change.here + QStringLiteral(" -> ") + change.there);
    return parts.join(QStringLiteral("; "));
}
