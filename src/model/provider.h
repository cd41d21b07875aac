#pragma once

#include "model/namededitable.h"

// A service provider; channels refer to it.
class Provider : public NamedEditable
{
    Q_OBJECT

public:
    int typeCode() const override { return ProviderType; }
};
