#pragma once

#include <QIntValidator>

// An integer validator for plain decimal digits. QIntValidator follows the
// locale, so "9,750" (or "9.750" in German) passes it while the dialogs read
// numbers in the C locale and would store 0; and it lets a number with no
// more digits than its top through as intermediate, so "20001" could be
// typed under a top of 20000.
class BoundedIntValidator : public QIntValidator
{
    Q_OBJECT

public:
    BoundedIntValidator(int bottom, int top, QObject *parent);

    State validate(QString &input, int &pos) const override;
};
