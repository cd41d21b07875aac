#pragma once

#include "model/editable.h"

// One of the three fixed top-level objects ("Satellites", "Providers",
// "Favorites"); created and owned by the store, never changed.
class RootEditable : public Editable
{
    Q_OBJECT

public:
    RootEditable(int typeCode, const QString &name);

    int typeCode() const override { return m_typeCode; }
    QString displayText() const override { return m_name; }
    QString name() const { return m_name; }

private:
    const int m_typeCode;
    const QString m_name;
};
