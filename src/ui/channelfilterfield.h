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

    // Find (Ctrl+F): into the field, its text selected. Works anywhere in
    // the field's window, and may go into a menu as well.
    QAction *findAction() const { return m_findAction; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAction *m_findAction = nullptr;
};
