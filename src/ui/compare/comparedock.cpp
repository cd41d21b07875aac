#include "ui/compare/comparedock.h"

#include "compare/settingscomparison.h"
#include "store/settings.h"
#include "ui/channeltablemodel.h"
#include "ui/compare/comparisonmodel.h"
#include "ui/compare/comparisonview.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTabWidget>
#include <QVBoxLayout>

CompareDock::CompareDock(QWidget *parent)
    : QDockWidget(tr("Comparison"), parent)
    , m_header(new QLabel)
    , m_kindFilter(new QComboBox)
    , m_tabs(new QTabWidget)
    , m_view(new ComparisonView)
    , m_model(new ComparisonModel(this))
    , m_filter(new QSortFilterProxyModel(this))
    , m_otherView(new QTreeView)
    , m_otherModel(new ChannelTableModel(this))
    , m_copyAction(new QAction(tr("Copy to &This File"), this))
{
    setObjectName(QStringLiteral("compareDock"));
    setAccessibleName(windowTitle());
    m_header->setObjectName(QStringLiteral("compareHeader"));
    m_header->setWordWrap(true);
    m_kindFilter->setObjectName(QStringLiteral("compareKindFilter"));
    m_kindFilter->addItem(tr("All Differences"));
    for (int kind = 0; kind < Difference::KindCount; ++kind)
        m_kindFilter->addItem(Difference::kindTitle(Difference::Kind(kind)));
    connect(m_kindFilter, &QComboBox::currentIndexChanged, this, &CompareDock::setKindFilter);

    m_filter->setSourceModel(m_model);
    m_filter->setFilterRole(ComparisonModel::KindRole);
    m_view->setModel(m_filter);
    m_view->setObjectName(QStringLiteral("compareView"));
    m_view->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_view->addAction(m_copyAction);
    m_copyAction->setObjectName(QStringLiteral("actionCopyToThisFile"));
    m_copyAction->setEnabled(false);
    connect(m_copyAction, &QAction::triggered, this, [this] { emit copyRequested(selectedOtherChannels()); });
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &CompareDock::updateCopyAction);
    connect(m_view, &QTreeView::doubleClicked, this, [this](const QModelIndex &index) {
        emit differenceActivated(m_model->differenceAt(m_filter->mapToSource(index).row()));
    });

    m_otherView->setObjectName(QStringLiteral("otherFileView"));
    m_otherView->setModel(m_otherModel);
    m_otherView->setRootIsDecorated(false);
    m_otherView->setUniformRowHeights(true);
    m_otherView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_otherView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabs->addTab(m_view, tr("Differences"));
    m_tabs->addTab(m_otherView, tr("Other File"));

    auto *content = new QWidget;
    auto *layout = new QVBoxLayout(content);
    layout->addWidget(m_header);
    layout->addWidget(m_kindFilter);
    layout->addWidget(m_tabs);
    setWidget(content);
}

void CompareDock::setComparison(
    const SettingsComparison &comparison, const Settings *other, const QString &otherName)
{
    m_model->setDifferences(comparison.differences());
    m_header->setText(tr("Compared with %1: %2 only in this file, %3 only in the other, %4 changed, %5 moved")
                          .arg(otherName)
                          .arg(comparison.count(Difference::Kind::OnlyHere))
                          .arg(comparison.count(Difference::Kind::OnlyThere))
                          .arg(comparison.count(Difference::Kind::Changed))
                          .arg(comparison.count(Difference::Kind::Moved)));
    if (m_otherSettings != other) {
        m_otherSettings = other;
        m_otherModel->setSettings(other);
        m_otherModel->setChannels(other->channels());
    }
    updateCopyAction();
}

void CompareDock::clear()
{
    m_model->setDifferences({});
    m_otherModel->setChannels({});
    m_otherModel->setSettings(nullptr);
    m_otherSettings = nullptr;
    m_header->clear();
    updateCopyAction();
}

QString CompareDock::headerText() const
{
    return m_header->text();
}

void CompareDock::showOtherChannel(const Channel *channel)
{
    const int row = m_otherModel->rowOf(channel);
    if (row < 0)
        return;
    m_tabs->setCurrentWidget(m_otherView);
    const QModelIndex index = m_otherModel->index(row, 0);
    m_otherView->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_otherView->scrollTo(index);
}

QList<const Channel *> CompareDock::selectedOtherChannels() const
{
    QModelIndexList rows = m_view->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QList<const Channel *> channels;
    for (const QModelIndex &index : rows) {
        const Difference &difference = m_model->differenceAt(m_filter->mapToSource(index).row());
        if (difference.type == ChannelType && difference.there)
            channels.append(static_cast<const Channel *>(difference.there));
    }
    return channels;
}

void CompareDock::setKindFilter(int entry)
{
    // Entry 0 is every kind; the others follow the kinds' order.
    m_filter->setFilterFixedString(entry <= 0 ? QString() : QString::number(entry - 1));
}

void CompareDock::updateCopyAction()
{
    m_copyAction->setEnabled(!selectedOtherChannels().isEmpty());
}
