#include "ui/compare/channeldropfilter.h"

#include "ui/editablemimedata.h"

#include <QAbstractItemView>
#include <QDropEvent>

namespace {

// Channels as values that do not come from this window's own views.
bool carriesForeignChannels(const QMimeData *data)
{
    return data && data->hasFormat(CopiedChannel::mimeType) && editablesFromMimeData(data).isEmpty();
}

} // namespace

ChannelDropFilter::ChannelDropFilter(QAbstractItemView *view, TargetAt targetAt)
    : QObject(view)
    , m_targetAt(std::move(targetAt))
{
    view->viewport()->installEventFilter(this);
}

bool ChannelDropFilter::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    if (!carriesForeignChannels(drop->mimeData()))
        return QObject::eventFilter(watched, event);
    const Target target = m_targetAt(drop->position().toPoint());
    // The enter is taken whatever the point, so that moves follow.
    if (type == QEvent::DragEnter || target.accepted) {
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
    } else {
        drop->ignore();
    }
    if (type == QEvent::Drop && target.accepted) {
        const QList<CopiedChannel> channels
            = CopiedChannel::decode(drop->mimeData()->data(CopiedChannel::mimeType));
        if (!channels.isEmpty())
            emit channelsDropped(channels, target.editable);
    }
    return true;
}
