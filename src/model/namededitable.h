#pragma once

#include "model/editable.h"

// An object that carries a name and nothing else; its display text is the name.
class NamedEditable : public Editable
{
    Q_OBJECT

public:
    QString displayText() const override { return m_name; }

    QString name() const { return m_name; }
    void setName(const QString &name);

private:
    QString m_name;
};
