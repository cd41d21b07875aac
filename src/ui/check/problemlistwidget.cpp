#include "problemlistwidget.h"

#include <QHeaderView>
#include <QPointer>
#include <QStyle>

#include <utility>

namespace {

// Sorts the severity column by rank rather than by its translated text, and
// problems of one severity in the order the checker gave them.
class ProblemItem : public QTreeWidgetItem
{
public:
    ProblemItem(const FileProblem &problem, int order, const QStringList &texts)
        : QTreeWidgetItem(texts)
        , object(problem.object)
        , rank(int(problem.severity))
        , order(order)
    { }

    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == ProblemListWidget::SeverityColumn) {
            const auto &that = static_cast<const ProblemItem &>(other);
            return std::pair(rank, order) < std::pair(that.rank, that.order);
        }
        return QTreeWidgetItem::operator<(other);
    }

    QPointer<Editable> object;
    int rank;
    int order;
};

QStyle::StandardPixmap iconOf(FileProblem::Severity severity)
{
    switch (severity) {
    case FileProblem::Severity::Error:
        return QStyle::SP_MessageBoxCritical;
    case FileProblem::Severity::Warning:
        return QStyle::SP_MessageBoxWarning;
    case FileProblem::Severity::Note:
        break;
    }
    return QStyle::SP_MessageBoxInformation;
}

} // namespace

ProblemListWidget::ProblemListWidget(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("problemList"));
    setHeaderLabels({ tr("Severity"), tr("Kind"), tr("Object"), tr("Explanation") });
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(true);
    sortByColumn(SeverityColumn, Qt::AscendingOrder);
    header()->setSectionResizeMode(QHeaderView::Interactive);
    connect(this, &QTreeWidget::itemActivated, this, &ProblemListWidget::activateItem);
}

void ProblemListWidget::setProblems(const QList<FileProblem> &problems)
{
    clear();
    QList<QTreeWidgetItem *> items;
    items.reserve(problems.size());
    for (const FileProblem &problem : problems) {
        auto *item = new ProblemItem(problem, int(items.size()),
            { FileProblem::severityName(problem.severity), FileProblem::kindName(problem.kind),
                FileProblem::objectText(problem.object), problem.explanation });
        item->setIcon(SeverityColumn, style()->standardIcon(iconOf(problem.severity)));
        item->setToolTip(ExplanationColumn, problem.explanation);
        items.append(item);
    }
    addTopLevelItems(items);
    for (int column = SeverityColumn; column < ExplanationColumn; ++column)
        resizeColumnToContents(column);
}

void ProblemListWidget::activateItem(QTreeWidgetItem *item)
{
    if (Editable *object = static_cast<ProblemItem *>(item)->object)
        emit problemActivated(object);
}
