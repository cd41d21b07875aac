#pragma once

#include <QObject>

class QAction;
class QHeaderView;
class QTreeView;
class QWidget;

// Prints the shown channel list, or makes a PDF of it: owns "Print…" and
// the export's "PDF…". The page layout is ChannelListPrinter's.
class PrintController : public QObject
{
    Q_OBJECT

public:
    PrintController(QWidget *window, QTreeView *table);

    QAction *printAction() const { return m_printAction; }
    QAction *pdfAction() const { return m_pdfAction; }
    void setEnabled(bool enabled);
    // The name the header shows.
    void setFileName(const QString &fileName) { m_fileName = fileName; }

    // The shown list as a PDF document.
    QByteArray pdf() const;

signals:
    // The PDF export needs a file to write to; whoever writes exports asks.
    void pdfRequested();

public slots:
    void printList();

private:
    QWidget *m_window;
    QTreeView *m_table;
    QString m_fileName;
    QAction *m_printAction;
    QAction *m_pdfAction;
};
