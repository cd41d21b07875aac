#include "model/namededitable.h"

void NamedEditable::setName(const QString &name)
{
    change(m_name, name);
}
