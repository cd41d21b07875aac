#pragma once

#include "model/namededitable.h"

// A named favourite list. Its members live in the store's channel list for
// the group, not here.
class FavoriteGroup : public NamedEditable
{
    Q_OBJECT

public:
    int typeCode() const override { return FavoriteGroupType; }
};
