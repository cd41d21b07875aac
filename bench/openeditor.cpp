#include "openeditor.h"

#include "benchharness.h"

#include "model/rooteditable.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/editabletreewidget.h"
#include "ui/settingseditor.h"

#include <QAction>
#include <QCoreApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>

OpenEditor::OpenEditor(const QString &path, bool sortedByName)
    : m_editor(std::make_unique<SettingsEditor>(nullptr))
{
    m_editor->mainWindow()->resize(1280, 800);
    m_editor->mainWindow()->show();
    open(path);
    tree = m_editor->mainWindow()->findChild<EditableTreeWidget *>();
    table = m_editor->mainWindow()->findChild<ChannelListWidget *>();
    filter = m_editor->mainWindow()->findChild<QLineEdit *>(QStringLiteral("channelFilterField"));
    // Set either way: the window restores the sort the previous editor
    // of this run left behind.
    sortBy(sortedByName ? ChannelListWidget::Column::NameColumn : ChannelListWidget::Column::IdColumn,
        Qt::AscendingOrder);
    Bench::settle();
}

OpenEditor::~OpenEditor() = default;

void OpenEditor::open(const QString &path)
{
    if (!m_editor->loadFile(path))
        qFatal("Cannot open %s", qPrintable(path));
    settings = m_editor->settings();
}

void OpenEditor::sortBy(int column, Qt::SortOrder order)
{
    table->header()->setSortIndicator(column, order);
}

void OpenEditor::show(Editable *editable)
{
    m_editor->updateChannelList(editable);
}

void OpenEditor::rebuildTable()
{
    table->showChannels(settings->satellitesRoot(), settings->channelsOf(settings->satellitesRoot()));
}

void OpenEditor::pressKey(int key, Qt::KeyboardModifiers modifiers)
{
    pressKeyIn(table, key, modifiers);
}

void OpenEditor::typeInFilter(int key, const QString &text)
{
    pressKeyIn(filter, key, {}, text);
}

SettingsHistory *OpenEditor::history() const
{
    return m_editor->history();
}

void OpenEditor::trigger(const char *action)
{
    m_editor->mainWindow()->findChild<QAction *>(QLatin1String(action))->trigger();
}

void OpenEditor::showProblems(bool shown)
{
    auto *check = m_editor->mainWindow()->findChild<QAction *>(QStringLiteral("actionCheckFile"));
    auto *dock = m_editor->mainWindow()->findChild<QDockWidget *>(QStringLiteral("fileCheckDock"));
    if (shown)
        check->trigger();
    else if (dock->isVisible())
        dock->toggleViewAction()->trigger();
}

void OpenEditor::pressKeyIn(QWidget *target, int key, Qt::KeyboardModifiers modifiers, const QString &text)
{
    target->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}
