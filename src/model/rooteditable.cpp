#include "model/rooteditable.h"

RootEditable::RootEditable(int typeCode, const QString &name)
    : m_typeCode(typeCode)
    , m_name(name)
{ }
