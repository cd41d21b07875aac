#include "editablemimedata.h"

#include <QDrag>

const QString EditableMimeData::mimeType = QStringLiteral("application/x-editable");

bool EditableMimeData::hasFormat(const QString &type) const
{
    return type == mimeType;
}

QStringList EditableMimeData::formats() const
{
    return { mimeType };
}

QList<Editable *> editablesFromMimeData(const QMimeData *data)
{
    if (!data || !data->hasFormat(EditableMimeData::mimeType))
        return {};
    if (const auto *payload = qobject_cast<const EditableMimeData *>(data))
        return payload->editables();
    return {};
}

void execEditableDrag(QObject *source, const QList<Editable *> &editables)
{
    auto *payload = new EditableMimeData;
    payload->setEditables(editables);
    // The drag takes the payload; the source's object tree takes the drag.
    auto *drag = new QDrag(source);
    drag->setMimeData(payload);
    drag->exec(Qt::MoveAction);
}
