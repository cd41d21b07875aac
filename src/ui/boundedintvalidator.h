#pragma once

#include <QIntValidator>

// An integer validator that also refuses numbers above its top while they
// are typed. QIntValidator lets a number through as intermediate as long as
// it has no more digits than the top, so "20001" could be typed under a top
// of 20000 and would then be stored as it stands.
class BoundedIntValidator : public QIntValidator
{
    Q_OBJECT

public:
    BoundedIntValidator(int bottom, int top, QObject *parent);

    State validate(QString &input, int &pos) const override;
};
