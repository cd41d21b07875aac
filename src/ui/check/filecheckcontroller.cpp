#include "ui/check/filecheckcontroller.h"

#include "check/settingschecker.h"
#include "model/channel.h"
#include "model/rooteditable.h"
#include "model/transponder.h"
#include "store/settings.h"
#include "ui/channellistwidget.h"
#include "ui/check/problemlistwidget.h"
#include "ui/editabletreewidget.h"

#include <QAction>
#include <QDockWidget>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The errors worth asking about before a save. A store over a table's
// capacity is left out: the save refuses it anyway and says why, so "Save
// anyway" could only lead to that refusal.
QList<FileProblem> errorsToConfirm(const QList<FileProblem> &problems)
{
    QList<FileProblem> errors;
    std::copy_if(
        problems.cbegin(), problems.cend(), std::back_inserter(errors), [](const FileProblem &problem) {
            return problem.severity == FileProblem::Severity::Error
                && problem.kind != FileProblem::Kind::OverCapacity;
        });
    return errors;
}

QString describe(const FileProblem &problem)
{
    return FileCheckController::tr("%1: %2. %3")
        .arg(FileProblem::kindName(problem.kind), FileProblem::objectText(problem.object),
            problem.explanation);
}

qsizetype countOf(const QList<FileProblem> &problems, FileProblem::Severity severity)
{
    return std::count_if(problems.cbegin(), problems.cend(),
        [severity](const FileProblem &problem) { return problem.severity == severity; });
}

// "1 error", "3 errors": spelled out, since the untranslated text has no plural forms.
QString counted(qsizetype count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

QString summaryOf(const QList<FileProblem> &problems)
{
    if (problems.isEmpty())
        return FileCheckController::tr("No problems found");
    using Severity = FileProblem::Severity;
    QStringList parts;
    if (const qsizetype errors = countOf(problems, Severity::Error))
        parts.append(
            counted(errors, FileCheckController::tr("1 error"), FileCheckController::tr("%1 errors")));
    if (const qsizetype warnings = countOf(problems, Severity::Warning))
        parts.append(
            counted(warnings, FileCheckController::tr("1 warning"), FileCheckController::tr("%1 warnings")));
    if (const qsizetype notes = countOf(problems, Severity::Note))
        parts.append(counted(notes, FileCheckController::tr("1 note"), FileCheckController::tr("%1 notes")));
    return parts.join(QStringLiteral(", "));
}

} // namespace

FileCheckController::FileCheckController(
    QMainWindow *window, EditableTreeWidget *tree, ChannelListWidget *table)
    : QObject(window)
    , m_window(window)
    , m_tree(tree)
    , m_table(table)
    , m_checkAction(new QAction(tr("&Check File"), this))
    , m_dock(new QDockWidget(tr("Problems"), window))
    , m_summary(new QLabel)
    , m_list(new ProblemListWidget)
{
    m_checkAction->setObjectName(QStringLiteral("actionCheckFile"));
    m_checkAction->setStatusTip(tr("Lists what a receiver would stumble on in this file"));
    m_checkAction->setEnabled(false);
    connect(m_checkAction, &QAction::triggered, this, &FileCheckController::checkFile);

    // Named, so that the window's saved state brings it back where the user left it.
    m_dock->setObjectName(QStringLiteral("fileCheckDock"));
    m_dock->setAccessibleName(m_dock->windowTitle());
    m_dock->toggleViewAction()->setText(tr("&Problems"));
    m_dock->setAllowedAreas(Qt::BottomDockWidgetArea | Qt::TopDockWidgetArea);
    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    m_summary->setObjectName(QStringLiteral("problemSummary"));
    m_summary->setContentsMargins(4, 2, 4, 2);
    layout->addWidget(m_summary);
    layout->addWidget(m_list);
    m_dock->setWidget(content);
    window->addDockWidget(Qt::BottomDockWidgetArea, m_dock);
    m_dock->hide();

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &FileCheckController::refreshIfShown);
    connect(m_dock, &QDockWidget::visibilityChanged, this, &FileCheckController::refreshIfShown);
    connect(m_list, &ProblemListWidget::problemActivated, this, &FileCheckController::showObject);
}

QString FileCheckController::summaryText() const
{
    return m_summary->text();
}

void FileCheckController::setSettings(Settings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    m_checkAction->setEnabled(settings);
    if (settings) {
        // Any change may add or settle a problem; the list re-checks once the changes of this turn are done.
        settings->connectEveryChange(this, [this] { m_refreshTimer.start(); });
    }
    refreshIfShown();
}

void FileCheckController::checkFile()
{
    if (!m_settings)
        return;
    refresh();
    m_dock->show();
    m_dock->raise();
}

void FileCheckController::refreshIfShown()
{
    if (m_dock->isVisible())
        refresh();
}

void FileCheckController::refresh()
{
    m_refreshTimer.stop();
    const QList<FileProblem> problems
        = m_settings ? SettingsChecker::check(*m_settings) : QList<FileProblem>();
    m_list->setProblems(problems);
    m_summary->setText(m_settings ? summaryOf(problems) : QString());
}

bool FileCheckController::confirmSave()
{
    if (!m_settings)
        return true;
    const QList<FileProblem> errors = errorsToConfirm(SettingsChecker::check(*m_settings));
    if (errors.isEmpty())
        return true;
    QStringList named;
    for (qsizetype i = 0; i < std::min<qsizetype>(errors.size(), 2); ++i)
        named.append(describe(errors.at(i)));
    if (errors.size() > named.size())
        named.append(tr("…and %1 more.").arg(errors.size() - named.size()));
    QMessageBox box(QMessageBox::Warning, tr("Save settings"),
        counted(errors.size(), tr("The check finds an error in this file that the receiver may stumble on."),
            tr("The check finds %1 errors in this file that the receiver may stumble on.")),
        QMessageBox::Save | QMessageBox::Cancel, m_window);
    box.setInformativeText(named.join(u'\n'));
    box.button(QMessageBox::Save)->setText(tr("Save anyway"));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Save)
        return true;
    // The user most likely wants to fix them now: show where they are.
    checkFile();
    return false;
}

void FileCheckController::showObject(Editable *object)
{
    if (!m_settings || !m_settings->contains(object))
        return;
    if (object->typeCode() == ChannelType)
        showChannel(static_cast<Channel *>(object));
    else
        selectTreeItemOf(object);
}

void FileCheckController::showChannel(Channel *channel)
{
    // Keep what the table shows when it holds the channel; otherwise the
    // channel's transponder shows it, and the whole list when it has none.
    if (!m_table->channels().contains(channel)) {
        Transponder *transponder = channel->transponder();
        selectTreeItemOf(m_tree->itemOf(transponder) ? static_cast<Editable *>(transponder)
                                                     : m_settings->satellitesRoot());
    }
    m_table->selectChannels({ channel });
    // A filter that hides the channel gives way, or the double click would
    // seem to do nothing.
    if (m_table->selectedChannels().isEmpty() && !m_table->tableModel()->filterText().isEmpty()) {
        m_table->setFilterText(QString());
        m_table->selectChannels({ channel });
    }
    if (!m_table->selectedChannels().isEmpty())
        m_table->setFocus();
}

void FileCheckController::selectTreeItemOf(Editable *object)
{
    QTreeWidgetItem *item = m_tree->itemOf(object);
    if (!item)
        return;
    m_tree->setCurrentItem(item);
    m_tree->scrollToItem(item);
    m_tree->setFocus();
}
