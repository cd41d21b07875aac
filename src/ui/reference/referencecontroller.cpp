#include "ui/reference/referencecontroller.h"

#include "reference/exporttarget.h"
#include "reference/applyreferenceorder.h"
#include "reference/csvwriter.h"
#include "reference/referencefile.h"
#include "reference/referencelist.h"
#include "reference/referencelisttext.h"
#include "reference/referencematch.h"
#include "store/settings.h"
#include "ui/namedstep.h"
#include "ui/reference/applyorderdialog.h"
#include "ui/windowstate.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QTreeView>

ReferenceController::ReferenceController(QMainWindow *window, QTreeView *table, SettingsHistory *history)
    : QObject(window)
    , m_window(window)
    , m_table(table)
    , m_history(history)
    , m_applyOrderAction(new QAction(tr("Apply Order &From…"), this))
    , m_exportMenu(new QMenu(tr("&Export"), window))
{
    m_applyOrderAction->setObjectName(QStringLiteral("actionApplyOrder"));
    m_applyOrderAction->setStatusTip(
        tr("Orders the channels like another settings file or a reference list"));
    connect(m_applyOrderAction, &QAction::triggered, this, &ReferenceController::applyOrderFrom);

    m_exportMenu->setObjectName(QStringLiteral("menuExport"));
    QAction *csv = m_exportMenu->addAction(
        tr("Channel Table as &CSV…"), this, &ReferenceController::exportChannelTable);
    csv->setObjectName(QStringLiteral("actionExportCsv"));
    QAction *reference
        = m_exportMenu->addAction(tr("&Reference List…"), this, &ReferenceController::exportReferenceList);
    reference->setObjectName(QStringLiteral("actionExportReference"));
    setSettings(nullptr);
}

void ReferenceController::setSettings(Settings *settings)
{
    m_settings = settings;
    m_applyOrderAction->setEnabled(settings);
    m_exportMenu->setEnabled(settings);
}

void ReferenceController::applyOrderFrom()
{
    if (!m_settings)
        return;
    const QString caption = tr("Apply order from");
    const QString path = QFileDialog::getOpenFileName(m_window, caption, WindowState::lastFolder(),
        tr("Settings files and reference lists (*.si *.txt *.csv);;Settings files (*.si);;"
           "Reference lists (*.txt *.csv);;All files (*)"));
    if (path.isEmpty())
        return;
    WindowState::setLastFolderOf(path);
    const ReferenceFile::Result reference = ReferenceFile::load(path);
    if (!reference.ok()) {
        QMessageBox::warning(m_window, caption,
            tr("%1 cannot give the order: %2.").arg(QDir::toNativeSeparators(path), reference.error));
        return;
    }
    const ReferenceMatch match(m_settings->mainChannelList(), reference.list);
    ApplyOrderDialog dialog(
        QDir::toNativeSeparators(path), reference.list, match, int(reference.problems.size()), m_window);
    if (dialog.exec() != QDialog::Accepted || !m_settings)
        return;
    // The store announces the new order, which marks the file modified and
    // refreshes both views.
    const NamedStep step(m_history, NamedStep::applyOrder());
    applyReferenceOrder(*m_settings, reference.list, match, dialog.options());
}

void ReferenceController::exportChannelTable()
{
    exportTo(tr("Export channel table"), tr("CSV files (*.csv)"), QStringLiteral("csv"),
        [this] { return shownTableCsv(); });
}

void ReferenceController::exportReferenceList()
{
    exportTo(tr("Export reference list"), tr("Reference lists (*.txt)"), QStringLiteral("txt"),
        [this] { return ReferenceListText::write(ReferenceList::fromSettings(*m_settings)); });
}

void ReferenceController::exportTo(const QString &caption, const QString &filter, const QString &suffix,
    const std::function<QByteArray()> &bytes)
{
    if (!m_settings)
        return;
    const QString name = askFileToWrite(caption, filter, suffix);
    if (!name.isEmpty())
        writeExport(caption, name, bytes());
}

QString ReferenceController::askFileToWrite(
    const QString &caption, const QString &filter, const QString &suffix)
{
    QFileDialog dialog(m_window, caption, WindowState::lastFolder(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString name = dialog.selectedFiles().constFirst();
    WindowState::setLastFolderOf(name);
    return name;
}

void ReferenceController::writeExport(const QString &caption, const QString &name, const QByteArray &bytes)
{
    // Written whole or not at all, and never over a device or a settings file.
    const QString reason = ExportTarget::write(name, bytes);
    if (reason.isEmpty())
        return;
    QMessageBox::critical(
        m_window, caption, tr("%1 was not written: %2.").arg(QDir::toNativeSeparators(name), reason));
}

// What the table shows, in the order it shows it, with every column, also
// those the user has hidden, so that a spreadsheet gets the whole row.
QByteArray ReferenceController::shownTableCsv() const
{
    const QAbstractItemModel *model = m_table->model();
    if (!model)
        return CsvWriter::write({}, {});
    QStringList titles;
    for (int column = 0; column < model->columnCount(); ++column)
        titles.append(model->headerData(column, Qt::Horizontal).toString());
    QList<QStringList> rows;
    rows.reserve(model->rowCount());
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model->columnCount(); ++column)
            cells.append(model->index(row, column).data().toString());
        rows.append(cells);
    }
    return CsvWriter::write(titles, rows);
}
