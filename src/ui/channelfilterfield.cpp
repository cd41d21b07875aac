#include "ui/channelfilterfield.h"

#include <QAction>
#include <QKeyEvent>

ChannelFilterField::ChannelFilterField(QWidget *parent)
    : QLineEdit(parent)
{
    setPlaceholderText(tr("Filter channels (name, provider, satellite, SID)"));
    setClearButtonEnabled(true);
    setAccessibleName(tr("Channel filter"));
    m_findAction = new QAction(tr("&Find…"), this);
    m_findAction->setShortcut(QKeySequence::Find);
    m_findAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_findAction);
    connect(m_findAction, &QAction::triggered, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        // What is there is most often replaced by the next search.
        selectAll();
    });
}

void ChannelFilterField::keyPressEvent(QKeyEvent *event)
{
    // An empty field lets Escape through, for whatever else it may mean.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier && !text().isEmpty()) {
        clear();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
