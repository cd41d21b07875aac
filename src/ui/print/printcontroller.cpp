#include "ui/print/printcontroller.h"

#include "ui/print/channellistprinter.h"

#include <QAction>
#include <QBuffer>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTreeView>

PrintController::PrintController(QWidget *window, QTreeView *table)
    : QObject(window)
    , m_window(window)
    , m_table(table)
    , m_printAction(new QAction(tr("&Print…"), this))
    , m_pdfAction(new QAction(tr("&PDF…"), this))
{
    m_printAction->setObjectName(QStringLiteral("actionPrint"));
    m_printAction->setShortcut(QKeySequence::Print);
    m_pdfAction->setObjectName(QStringLiteral("actionExportPdf"));
    connect(m_printAction, &QAction::triggered, this, &PrintController::printList);
    connect(m_pdfAction, &QAction::triggered, this, &PrintController::pdfRequested);
}

void PrintController::setEnabled(bool enabled)
{
    m_printAction->setEnabled(enabled);
    m_pdfAction->setEnabled(enabled);
}

QByteArray PrintController::pdf() const
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(m_fileName);
        writer.setCreator(QCoreApplication::applicationName());
        ChannelListPrinter printer(m_table->model(), m_table->header());
        printer.setFileName(m_fileName);
        if (printer.print(&writer) == 0)
            return {};
    }
    return buffer.data();
}

void PrintController::printList()
{
    QPrinter printer;
    printer.setDocName(m_fileName);
    QPrintDialog dialog(&printer, m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    ChannelListPrinter layout(m_table->model(), m_table->header());
    layout.setFileName(m_fileName);
    if (layout.print(&printer) == 0)
        QMessageBox::critical(m_window, tr("Print"), tr("The channel list could not be printed."));
}
