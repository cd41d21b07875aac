#include "channellistwidget.h"

// Placeholder until the channel table lands.
ChannelListWidget::ChannelListWidget(QWidget *parent)
    : QTreeView(parent)
{
}

void ChannelListWidget::setSettings(Settings *) {}
void ChannelListWidget::showChannels(Editable *, const QList<Channel *> &) {}
void ChannelListWidget::updateEditable(Editable *) {}
void ChannelListWidget::deleteEditable(Editable *) {}
