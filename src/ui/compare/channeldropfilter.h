#pragma once

#include "compare/copiedchannel.h"

#include <QObject>

#include <functional>

class QAbstractItemView;
class Editable;

// Lets a view take channels dragged from another file, the comparison's or
// another editor's, without the view knowing of it: it watches the view's
// viewport for drags that carry channels as values and reports the drop.
// A drag of this window's own objects is left to the view.
class ChannelDropFilter : public QObject
{
    Q_OBJECT

public:
    // The drop target at a point of the viewport, and whether that point takes a drop.
    struct Target
    {
        bool accepted = false;
        Editable *editable = nullptr;
    };
    using TargetAt = std::function<Target(const QPoint &)>;

    ChannelDropFilter(QAbstractItemView *view, TargetAt targetAt);

signals:
    void channelsDropped(const QList<CopiedChannel> &channels, Editable *target);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TargetAt m_targetAt;
};
