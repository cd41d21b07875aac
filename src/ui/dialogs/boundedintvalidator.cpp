#include "ui/dialogs/boundedintvalidator.h"

BoundedIntValidator::BoundedIntValidator(int bottom, int top, QObject *parent)
    : QIntValidator(bottom, top, parent)
{
    setLocale(QLocale::c());
}

QValidator::State BoundedIntValidator::validate(QString &input, int &) const
{
    if (input.isEmpty())
        return Intermediate;
    for (const QChar c : std::as_const(input))
        if (c < u'0' || c > u'9')
            return Invalid;
    bool ok = false;
    const qlonglong value = input.toLongLong(&ok);
    if (!ok || value > top())
        return Invalid;
    return value < bottom() ? Intermediate : Acceptable;
}
