#include "ui/check/problemlistwidget.h"

#include <QHeaderView>
#include <QMultiHash>
#include <QPointer>
#include <QStyle>

#include <utility>

namespace {

QStyle::StandardPixmap iconOf(FileProblem::Severity severity);

// Sorts the severity column by rank rather than by its translated text, and
// problems of one severity in the order the checker gave them.
class ProblemItem : public QTreeWidgetItem
{
public:
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        if (column == ProblemListWidget::SeverityColumn) {
            const auto &that = static_cast<const ProblemItem &>(other);
            return std::pair(rank, order) < std::pair(that.rank, that.order);
        }
        return QTreeWidgetItem::operator<(other);
    }

    // Shows the problem, touching only what differs from what the item
    // shows already; true when anything did. An item kept from the last
    // check has the problem's kind, object and explanation already.
    bool show(const FileProblem &problem, const QStyle *style)
    {
        const bool fresh = rank < 0;
        if (fresh) {
            kind = problem.kind;
            object = problem.object;
            setText(ProblemListWidget::KindColumn, FileProblem::kindName(problem.kind));
            setText(ProblemListWidget::ExplanationColumn, problem.explanation);
            setToolTip(ProblemListWidget::ExplanationColumn, problem.explanation);
        }
        bool changed = fresh;
        if (const int severity = int(problem.severity); rank != severity) {
            rank = severity;
            setIcon(ProblemListWidget::SeverityColumn, style->standardIcon(iconOf(problem.severity)));
            setText(ProblemListWidget::SeverityColumn, FileProblem::severityName(problem.severity));
            changed = true;
        }
        // A renamed object keeps its problems.
        if (const QString name = FileProblem::objectText(problem.object);
            name != text(ProblemListWidget::ObjectColumn)) {
            setText(ProblemListWidget::ObjectColumn, name);
            changed = true;
        }
        return changed;
    }

    QPointer<Editable> object;
    FileProblem::Kind kind = FileProblem::Kind::OverCapacity;
    int rank = -1;
    int order = 0;
};

// What makes a listed problem the same one after a re-check; an item whose
// object has gone matches no problem of an object.
using ProblemKey = std::pair<std::pair<int, const Editable *>, QString>;

ProblemKey keyOf(const FileProblem &problem)
{
    return { { int(problem.kind), problem.object }, problem.explanation };
}

ProblemKey keyOf(const ProblemItem &item)
{
    return { { int(item.kind), item.object.data() }, item.text(ProblemListWidget::ExplanationColumn) };
}

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
    // The list is re-checked after every edit while it is shown: rows that
    // stay keep their items, and nothing is laid out again unless the
    // result changed.
    QMultiHash<ProblemKey, ProblemItem *> kept;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        auto *item = static_cast<ProblemItem *>(topLevelItem(row));
        kept.insert(keyOf(*item), item);
    }
    bool changed = false;
    // Kept items that changed places among themselves; a problem gone or
    // added only shifts the others' numbers.
    bool reordered = false;
    int lastKeptOrder = -1;
    QList<QTreeWidgetItem *> added;
    for (int order = 0; order < problems.size(); ++order) {
        const FileProblem &problem = problems.at(order);
        ProblemItem *item = kept.take(keyOf(problem));
        if (!item) {
            item = new ProblemItem;
            added.append(item);
        } else {
            reordered |= item->order < lastKeptOrder;
            lastKeptOrder = item->order;
        }
        item->order = order;
        changed |= item->show(problem, style());
    }
    changed |= !kept.isEmpty();
    qDeleteAll(kept);
    if (!added.isEmpty())
        addTopLevelItems(added);
    // Items that only moved in the checker's order show no change of their own.
    if (reordered && isSortingEnabled())
        sortItems(sortColumn(), header()->sortIndicatorOrder());
    if (changed || reordered)
        for (int column = SeverityColumn; column < ExplanationColumn; ++column)
            resizeColumnToContents(column);
}

void ProblemListWidget::activateItem(QTreeWidgetItem *item)
{
    if (Editable *object = static_cast<ProblemItem *>(item)->object)
        emit problemActivated(object);
}
