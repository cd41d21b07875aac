#include "ui/editablemimedata.h"

#include "compare/copiedchannel.h"
#include "model/channel.h"

#include <QDrag>

const QString EditableMimeData::mimeType = QStringLiteral("application/x-editable");

bool EditableMimeData::hasFormat(const QString &type) const
{
    return type == mimeType || QMimeData::hasFormat(type);
}

QStringList EditableMimeData::formats() const
{
    return QStringList { mimeType } + QMimeData::formats();
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
    // Channels also travel as values, which another running editor can copy.
    QList<const Channel *> channels;
    for (const Editable *editable : editables)
        if (editable->typeCode() == ChannelType)
            channels.append(static_cast<const Channel *>(editable));
    if (!channels.isEmpty() && channels.size() == editables.size())
        payload->setData(CopiedChannel::mimeType, CopiedChannel::encode(CopiedChannel::listOf(channels)));
    // The drag takes the payload; the source's object tree takes the drag.
    auto *drag = new QDrag(source);
    drag->setMimeData(payload);
    drag->exec(Qt::MoveAction);
}
