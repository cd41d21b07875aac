#include "editablemimedata.h"

const QString EditableMimeData::mimeType = QStringLiteral("application/x-editable");

bool EditableMimeData::hasFormat(const QString &type) const
{
    return type == mimeType;
}

QStringList EditableMimeData::formats() const
{
    return {mimeType};
}

QList<Editable *> editablesFromMimeData(const QMimeData *data)
{
    if (!data || !data->hasFormat(EditableMimeData::mimeType))
        return {};
    if (const auto *payload = qobject_cast<const EditableMimeData *>(data))
        return payload->editables();
    return {};
}
