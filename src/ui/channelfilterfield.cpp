#include "channelfilterfield.h"

#include <QKeyEvent>
#include <QShortcut>

ChannelFilterField::ChannelFilterField(QWidget *parent)
    : QLineEdit(parent)
{
    setPlaceholderText(tr("Filter channels (name, provider, satellite, SID)"));
    setClearButtonEnabled(true);
    auto *find = new QShortcut(QKeySequence::Find, this);
    find->setContext(Qt::WindowShortcut);
    connect(find, &QShortcut::activated, this, [this] {
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
