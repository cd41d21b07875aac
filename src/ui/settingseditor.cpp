#include "ui/settingseditor.h"

#include "commands/deletionsummary.h"
#include "commands/settingshistory.h"
#include "formats/recognizesettings.h"
#include "model/rooteditable.h"
#include "recovery/recoverycopy.h"
#include "recovery/recoverykeeper.h"
#include "store/settings.h"
#include "ui/check/filecheckcontroller.h"
#include "ui/compare/comparecontroller.h"
#include "ui/dialogs/aboutbox.h"
#include "ui/dialogs/changedfileprompt.h"
#include "ui/docks/undohistorydock.h"
#include "ui/order/channelorderactions.h"
#include "ui/print/printcontroller.h"
#include "ui/recentfiles.h"
#include "ui/reference/referencecontroller.h"
#include "ui/windowstate.h"
#include "ui_settingseditormainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QSaveFile>

namespace {

// A function, not a constant, so that it is translated after the translator is installed.
// The file type is recognised by its content, and files without the
// extension exist: the second filter reaches them.
QString fileFilter()
{
    return SettingsEditor::tr("Settings files (*.si)") + QStringLiteral(";;")
        + SettingsEditor::tr("All files (*)");
}

// The store of a file, or null with the reason as a sentence.
std::unique_ptr<Settings> readSettings(const QString &name, QString *reason)
{
    // A file the user named "-" is that file, never standard input.
    SettingsFileRead read = readSettingsFile(QFileInfo(name).absoluteFilePath());
    if (!read.readError.isEmpty())
        *reason = QObject::tr("It could not be read: %1").arg(read.readError);
    else if (!read.settings)
        *reason = QObject::tr("It is not a Kelmora 2XX or HD settings file: %1.").arg(read.unrecognized);
    return std::move(read.settings);
}

} // namespace

SettingsEditor::SettingsEditor(QApplication *)
    : m_mainWindow(std::make_unique<QMainWindow>())
    , m_form(std::make_unique<Ui::settingsEditorMainWindow>())
    , m_recovery(std::make_unique<RecoveryKeeper>(RecoveryKeeper::defaultFolder()))
{
    m_form->setupUi(m_mainWindow.get());
    m_formTitle = m_mainWindow->windowTitle();

    m_form->actionOpen->setShortcut(QKeySequence::Open);
    m_form->actionSave->setShortcut(QKeySequence::Save);
    // Some platforms, X11 among them, lack standard keys for some commands;
    // the keys users know from elsewhere are added where missing.
    const auto keys = [](QKeySequence::StandardKey standard, QKeySequence usual) {
        QList<QKeySequence> bindings = QKeySequence::keyBindings(standard);
        if (!bindings.contains(usual))
            bindings.append(usual);
        return bindings;
    };
    m_form->actionSaveAs->setShortcuts(
        keys(QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)));
    m_form->actionClose->setShortcuts(keys(QKeySequence::Close, QKeySequence(Qt::CTRL | Qt::Key_W)));
    m_form->actionQuit->setShortcuts(keys(QKeySequence::Quit, QKeySequence(Qt::CTRL | Qt::Key_Q)));
    m_form->actionQuit->setMenuRole(QAction::QuitRole);

    connect(m_form->actionOpen, &QAction::triggered, this, &SettingsEditor::eventOpen);
    connect(m_form->actionSave, &QAction::triggered, this, &SettingsEditor::eventSave);
    connect(m_form->actionSaveAs, &QAction::triggered, this, &SettingsEditor::eventSaveAs);
    connect(m_form->actionClose, &QAction::triggered, this, &SettingsEditor::eventClose);
    // Closing the window asks about unsaved changes, as Quit must.
    connect(m_form->actionQuit, &QAction::triggered, m_mainWindow.get(), &QWidget::close);
    connect(m_form->treeWidget, &EditableTreeWidget::editableSelectionChanged, this,
        qOverload<Editable *>(&SettingsEditor::updateChannelList));
    setUpEditMenu();
    m_recentFiles = new RecentFiles(m_form->menuFile, m_form->actionSave);
    connect(m_recentFiles, &RecentFiles::openRequested, this, &SettingsEditor::loadFile);
    m_reference = new ReferenceController(m_mainWindow.get(), m_form->channelListTreeView, m_history);
    m_form->menuFile->addAction(m_reference->applyOrderAction());
    m_form->menuFile->addMenu(m_reference->exportMenu());
    m_compare = new CompareController(
        m_mainWindow.get(), m_form->channelListTreeView, m_form->treeWidget, m_history, readSettings);
    m_form->menuFile->addAction(m_compare->compareAction());
    connect(m_compare, &CompareController::mainListNeeded, m_form->channelListTreeView,
        &ChannelListWidget::mainListRequested);
    m_print = new PrintController(m_mainWindow.get(), m_form->channelListTreeView);
    m_reference->exportMenu()->addAction(m_print->pdfAction());
    connect(m_print, &PrintController::pdfRequested, this, [this] {
        m_reference->exportTo(tr("Export PDF"), tr("PDF files (*.pdf)"), QStringLiteral("pdf"),
            [this] { return m_print->pdf(); });
    });
    m_form->menuFile->addAction(m_print->printAction());
    m_form->menuFile->addSeparator();
    m_form->menuFile->addAction(m_form->actionClose);
    m_form->menuFile->addAction(m_form->actionQuit);
    // Nothing to write, print or close until a file is loaded.
    setFileActionsEnabled(false);
    m_fileCheck
        = new FileCheckController(m_mainWindow.get(), m_form->treeWidget, m_form->channelListTreeView);
    m_form->menuTools->addAction(m_fileCheck->checkAction());
    m_form->menuTools->addAction(m_fileCheck->dock()->toggleViewAction());
    addHelpMenu(m_form->menubar);
    wireChannelFilter();
    m_windowState
        = std::make_unique<WindowState>(m_mainWindow.get(), m_form->splitter, m_form->channelListTreeView);
    m_windowState->restore();
    m_mainWindow->installEventFilter(this);
    m_mainWindow->setAcceptDrops(true);
    m_mainWindow->show();
}

SettingsEditor::~SettingsEditor()
{
    m_windowState->save();
    // Closing was asked about, so what was not saved is given up.
    m_recovery->discard();
    // The views reference the store's objects; they let go of them first.
    setControllersSettings(nullptr);
    m_form->treeWidget->setSettings(nullptr);
    m_form->channelListTreeView->setSettings(nullptr);
    m_settings.reset();
    m_form.reset();
    m_mainWindow.reset();
}

void SettingsEditor::setUpEditMenu()
{
    m_history = new SettingsHistory(this);
    QAction *undo = m_history->createUndoAction(m_form->menuEdit);
    undo->setShortcut(QKeySequence::Undo);
    QAction *redo = m_history->createRedoAction(m_form->menuEdit);
    // Ctrl+Y is Redo on Windows, and users bring the habit elsewhere.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (const QKeySequence ctrlY(Qt::CTRL | Qt::Key_Y); !redoKeys.contains(ctrlY))
        redoKeys.append(ctrlY);
    redo->setShortcuts(redoKeys);
    m_form->menuEdit->addAction(undo);
    m_form->menuEdit->addAction(redo);
    m_form->menuEdit->addSeparator();
    m_form->menuEdit->addAction(m_form->channelFilterField->findAction());
    m_form->menuEdit->addSeparator();
    auto *dock = new UndoHistoryDock(m_history, m_mainWindow.get());
    m_mainWindow->addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    m_form->menuEdit->addAction(dock->toggleViewAction());
    ChannelListWidget *table = m_form->channelListTreeView;
    // The views name the steps of what the user does in them.
    table->setHistory(m_history);
    m_form->treeWidget->setHistory(m_history);
    m_order = new ChannelOrderActions(table, m_history);
    m_form->menuEdit->addSeparator();
    m_form->menuEdit->addMenu(m_order->menu());
    const auto showMessage = [this](const QString &text) { m_form->statusbar->showMessage(text, 5000); };
    connect(table, &ChannelListWidget::statusMessage, this, showMessage);
    connect(m_order, &ChannelOrderActions::statusMessage, this, showMessage);
    connect(m_history, &SettingsHistory::aboutToRestore, this,
        [this, table] { m_tableSelection = table->selectedChannelIds(); });
    connect(m_history, &SettingsHistory::restored, this,
        [this, table] { table->selectChannelsById(std::exchange(m_tableSelection, {})); });
    connect(m_history->stack(), &QUndoStack::cleanChanged, this,
        [this](bool clean) { setModified(m_settings && !clean); });
}

bool SettingsEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_mainWindow.get())
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Close:
        if (!maybeSave()) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // A file is opened, never moved: its source must not delete it.
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (droppedSettingsFile(drag->mimeData()).isEmpty() || !(drag->possibleActions() & Qt::CopyAction)) {
            drag->ignore();
        } else {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QString name = droppedSettingsFile(drop->mimeData());
        if (name.isEmpty() || !(drop->possibleActions() & Qt::CopyAction)) {
            drop->ignore();
            return true;
        }
        drop->setDropAction(Qt::CopyAction);
        drop->accept();
        // After the drop has been answered: the question about unsaved
        // changes must not keep the file manager waiting.
        QMetaObject::invokeMethod(
            this, [this, name] { loadFile(name); }, Qt::QueuedConnection);
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

QString SettingsEditor::droppedSettingsFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QUrl url = data->urls().constFirst();
    if (!url.isLocalFile() || !url.toLocalFile().endsWith(QLatin1String(".si"), Qt::CaseInsensitive))
        return {};
    return url.toLocalFile();
}

void SettingsEditor::eventOpen()
{
    const QString name = QFileDialog::getOpenFileName(
        m_mainWindow.get(), tr("Open settings"), WindowState::lastFolder(), fileFilter());
    if (name.isNull())
        return;
    loadFile(name);
}

void SettingsEditor::eventClose()
{
    if (!m_settings || !maybeSave())
        return;
    m_recovery->discard();
    setControllersSettings(nullptr);
    m_form->treeWidget->setSettings(nullptr);
    m_form->channelListTreeView->setSettings(nullptr);
    m_form->channelListTreeView->showChannels(nullptr, {});
    m_history->setSettings(nullptr);
    m_settings.reset();
    m_currentId = 0;
    m_fileName.clear();
    setFileActionsEnabled(false);
    setModified(false);
    updateTitle();
}

void SettingsEditor::setFileActionsEnabled(bool enabled)
{
    for (QAction *action : { m_form->actionSave, m_form->actionSaveAs, m_form->actionClose })
        action->setEnabled(enabled);
    m_print->setEnabled(enabled);
    if (m_modelLabel)
        m_modelLabel->setText(m_settings ? m_settings->modelName() : QString());
}

void SettingsEditor::eventSave()
{
    // Changes recovered as a file of their own have no name yet.
    if (m_settings && m_fileName.isEmpty())
        eventSaveAs();
    else if (m_settings)
        saveFile(m_fileName);
}

void SettingsEditor::eventSaveAs()
{
    if (!m_settings)
        return;
    QFileDialog dialog(m_mainWindow.get(), tr("Save settings"), WindowState::lastFolder(), fileFilter());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without ".si" would be hidden by the Open filter.
    dialog.setDefaultSuffix(QStringLiteral("si"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString name = dialog.selectedFiles().constFirst();
    if (saveFile(name)) {
        m_fileName = name;
        m_recentFiles->add(name);
        WindowState::setLastFolderOf(name);
        updateTitle();
    }
}

bool SettingsEditor::loadFile(const QString &name)
{
    QString reason;
    // A FIFO or a device would block the read, or never end.
    if (const QFileInfo info(name); info.exists() && !info.isFile())
        reason = tr("It could not be read: it is not a regular file.");
    // Asked before reading: saving may rewrite the very file to be read.
    else if (!maybeSave())
        return false;
    // Taken before reading, so that a change made meanwhile shows at the save.
    const FileStamp stamp = FileStamp::of(name);
    std::unique_ptr<Settings> loaded = reason.isEmpty() ? readSettings(name, &reason) : nullptr;
    if (!loaded) {
        QMessageBox::warning(m_mainWindow.get(), tr("Open settings"),
            tr("%1 was not opened.").arg(QDir::toNativeSeparators(name)) + u'\n' + reason);
        return false;
    }

    showStore(std::move(loaded), name);
    m_saver.remember(name, stamp);
    m_recovery->track(m_settings.get(), name, stamp);
    m_recentFiles->add(name);
    WindowState::setLastFolderOf(name);
    return true;
}

void SettingsEditor::showStore(std::unique_ptr<Settings> loaded, const QString &name)
{
    std::unique_ptr<Settings> old = std::exchange(m_settings, std::move(loaded));
    m_form->treeWidget->setSettings(m_settings.get());
    m_form->channelListTreeView->setSettings(m_settings.get());
    setControllersSettings(m_settings.get());
    updateChannelList(m_settings->satellitesRoot());
    connect(m_settings.get(), &Settings::updatedChannelList, this,
        qOverload<>(&SettingsEditor::updateChannelList));
    // Any announcement after the load is a change the user made, and the
    // history's clean state marks the file modified or not.
    m_history->setSettings(m_settings.get());
    // Only after both views show the new store.
    old.reset();

    m_fileName = name;
    setFileActionsEnabled(true);
    setModified(false);
    updateTitle();
}

bool SettingsEditor::saveFile(const QString &name)
{
    if (!m_settings || !m_fileCheck->confirmSave())
        return false;
    m_history->commitPending();
    SaveOutcome outcome;
    for (auto changes : { SafeSaver::Changes::Refuse, SafeSaver::Changes::Overwrite }) {
        outcome = m_saver.save(*m_settings, name, changes);
        // Merging providers and sorting satellites is the format's tidying:
        // a step of its own, so that undo gives back the store before it.
        m_history->commitAs(tr("Tidy for Saving"));
        if (!outcome.changedOnDisk)
            break;
        const ChangedFilePrompt::Answer answer = ChangedFilePrompt::ask(m_mainWindow.get(), name);
        if (answer == ChangedFilePrompt::Answer::SaveAs)
            eventSaveAs();
        if (answer != ChangedFilePrompt::Answer::Overwrite)
            return !m_mainWindow->isWindowModified();
    }
    if (!outcome.ok) {
        QMessageBox::critical(m_mainWindow.get(), tr("Save settings"), outcome.message);
        return false;
    }
    m_history->markSaved();
    setModified(false);
    m_recovery->markSaved(name);
    return true;
}

bool SettingsEditor::restoreRecovered(const RecoveryCopy &copy)
{
    QString reason;
    if (copy.fileState() == RecoveryCopy::FileState::Unchanged) {
        if (!loadFile(copy.originalPath))
            return false;
    } else if (std::unique_ptr<Settings> base = copy.baseStore(&reason); base && maybeSave()) {
        // The file changed or is missing: the changes open as a file of
        // their own, laid over what the copy kept, so that nothing is laid
        // over what is there now.
        showStore(std::move(base), QString());
        m_recovery->track(m_settings.get(), copy.originalPath, copy.source);
    } else if (reason.isEmpty()) {
        return false;
    }
    if (reason.isEmpty() && !copy.snapshot.restore(*m_settings))
        reason = tr("They do not fit the file.");
    // A step of its own: Undo goes back to what the changes were laid over.
    m_history->commitAs(tr("Restore Unsaved Changes"));
    if (!reason.isEmpty()) {
        QMessageBox::warning(m_mainWindow.get(), tr("Recover unsaved changes"),
            tr("The unsaved changes to %1 could not be restored; they are kept for a later try.")
                    .arg(QDir::toNativeSeparators(copy.originalPath))
                + u'\n' + reason);
        return false;
    }
    setModified(true);
    m_recovery->adopt(copy);
    // Kept safe from now on, not only after the next change.
    m_recovery->writeNow();
    return true;
}

bool SettingsEditor::maybeSave()
{
    if (!m_settings)
        return true;
    m_history->commitPending();
    if (!m_mainWindow->isWindowModified())
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::warning(m_mainWindow.get(), m_formTitle,
        tr("%1 has unsaved changes. Do you want to save them?")
            .arg(m_fileName.isEmpty() ? tr("Untitled") : QFileInfo(m_fileName).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) {
        eventSave();
        return !m_mainWindow->isWindowModified();
    }
    return answer == QMessageBox::Discard;
}

void SettingsEditor::setControllersSettings(Settings *settings)
{
    m_fileCheck->setSettings(settings);
    m_reference->setSettings(settings);
    m_order->setSettings(settings);
    m_compare->setSettings(settings);
}

void SettingsEditor::setModified(bool modified)
{
    m_mainWindow->setWindowModified(modified);
}

void SettingsEditor::updateTitle()
{
    m_print->setFileName(m_fileName);
    if (!m_settings)
        m_mainWindow->setWindowTitle(m_formTitle);
    else if (m_fileName.isEmpty())
        m_mainWindow->setWindowTitle(tr("Untitled") + QStringLiteral("[*] - ") + m_formTitle);
    else
        m_mainWindow->setWindowTitle(
            QFileInfo(m_fileName).fileName() + QStringLiteral("[*] - ") + m_formTitle);
}

void SettingsEditor::updateChannelList(Editable *editable)
{
    if (!m_settings)
        return;
    if (editable)
        m_currentId = editable->id();
    // The shown object may have been deleted, or brought back by an undo
    // under its id.
    Editable *current = m_settings->editableById(m_currentId);
    // The Favorites root has no channels of its own: like the Satellites
    // root it stands for the whole list, where a new channel then shows.
    if (!current || current == m_settings->favoritesRoot())
        current = m_settings->satellitesRoot();
    m_currentId = current->id();
    m_form->channelListTreeView->showChannels(current, m_settings->channelsOf(current));
}

void SettingsEditor::wireChannelFilter()
{
    ChannelListWidget *table = m_form->channelListTreeView;
    table->setFilterField(m_form->channelFilterField);
    // Permanent, so that passing status tips never hide it.
    auto *rowCount = new QLabel(m_form->statusbar);
    m_form->statusbar->addPermanentWidget(rowCount);
    m_modelLabel = new QLabel(m_form->statusbar);
    m_form->statusbar->addPermanentWidget(m_modelLabel);
    // What went with a delete, and the way back.
    const QString undoKeys = QKeySequence(QKeySequence::Undo).toString(QKeySequence::NativeText);
    auto showDeleted = [this, undoKeys](const QString &summary) {
        m_form->statusbar->showMessage(DeletionSummary::withUndoHint(summary, undoKeys));
    };
    connect(table, &ChannelListWidget::deleted, this, showDeleted);
    connect(m_form->treeWidget, &EditableTreeWidget::deleted, this, showDeleted);
    connect(table, &ChannelListWidget::rowCountTextChanged, rowCount, &QLabel::setText);
    // The main list is shown as when the user picks the Satellites root, so
    // the tree and the table agree on what is shown.
    connect(table, &ChannelListWidget::mainListRequested, this, [this] {
        if (!m_settings)
            return;
        Editable *root = m_settings->satellitesRoot();
        if (QTreeWidgetItem *item = m_form->treeWidget->itemOf(root))
            m_form->treeWidget->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
        if (m_currentId != root->id())
            updateChannelList(root);
    });
}

void SettingsEditor::updateChannelList()
{
    updateChannelList(nullptr);
}
