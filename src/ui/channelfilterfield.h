#pragma once

#include <QLineEdit>

// The field above the channel table that narrows its rows as the user
// types. The standard Find key reaches it from anywhere in its window;
// Escape empties it.
class ChannelFilterField : public QLineEdit
{
    Q_OBJECT

public:
    explicit ChannelFilterField(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
