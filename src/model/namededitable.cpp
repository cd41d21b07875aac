#include "namededitable.h"

void NamedEditable::setName(const QString &name)
{
    m_name = name;
    announceChange();
}
