#pragma once

#include <QList>
#include <QTreeView>

class Channel;
class Editable;
class Settings;

// The channel table: the channels of the object selected in the tree, one
// row per channel, in the receiver's channel order.
class ChannelListWidget : public QTreeView
{
    Q_OBJECT

public:
    explicit ChannelListWidget(QWidget *parent = nullptr);

    void setSettings(Settings *settings);
    void showChannels(Editable *editable, const QList<Channel *> &channels);

public slots:
    void updateEditable(Editable *editable);
    void deleteEditable(Editable *editable);
};
