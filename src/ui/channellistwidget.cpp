#include "ui/channellistwidget.h"

#include "model/channel.h"
#include "store/settings.h"
#include "ui/channelcelldelegate.h"
#include "ui/channeltableactions.h"
#include "ui/dialogs/editdialog.h"
#include "ui/editablemimedata.h"
#include "ui/namedstep.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <utility>

ChannelListWidget::ChannelListWidget(QWidget *parent)
    : EditableViewGestures<QTreeView>(parent)
{
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    // Cells are never edited in place; the channel dialog does that.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Every row is one line of text, which keeps layout linear on full files.
    setUniformRowHeights(true);

    m_model = new ChannelTableModel(this);
    setModel(m_model);
    setItemDelegate(new ChannelCellDelegate(this));
    // The header starts with the order the rows start in, so that the
    // indicator tells the truth before the user has clicked it. Position
    // leads, as it is the order the receiver shows.
    header()->moveSection(ChannelTableModel::PositionColumn, 0);
    header()->setSortIndicator(ChannelTableModel::PositionColumn, Qt::AscendingOrder);
    // Shaping is only cosmetic for most names and would be most of the cost
    // of painting a screenful of cells; scripts that need it still get it.
    QFont cellFont = font();
    cellFont.setStyleStrategy(QFont::PreferNoShaping);
    setFont(cellFont);
    // Columns sized to their contents judge by the rows in sight: measuring
    // thousands of texts would delay the first view of a full file.
    header()->setResizeContentsPrecision(0);

    setAccessibleName(tr("Channels"));
    m_actions = new ChannelTableActions(this);
    connect(m_actions, &ChannelTableActions::deleted, this, &ChannelListWidget::deleted);
    connect(m_actions, &ChannelTableActions::mainListRequested, this, &ChannelListWidget::mainListRequested);
    connect(m_model, &QAbstractItemModel::modelReset, this, &ChannelListWidget::announceRowCount);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &ChannelListWidget::announceRowCount);
    connect(this, &QAbstractItemView::doubleClicked, this, &ChannelListWidget::QTreeViewDoubleClicked);
}

ChannelListWidget::~ChannelListWidget() = default;

void ChannelListWidget::setSettings(Settings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    if (settings != m_settings) {
        m_currentEditable = nullptr;
        m_channels.clear();
        m_sizeColumnsOnNextFill = !m_columnsRemembered;
    }
    m_settings = settings;
    m_model->setSettings(settings);
    if (m_settings)
        connect(m_settings, &Settings::updatedEditable, this, &ChannelListWidget::updateEditable);
}

Settings *ChannelListWidget::settings() const
{
    return m_settings;
}

void ChannelListWidget::showChannels(Editable *editable, const QList<Channel *> &channels)
{
    m_currentEditable = editable;
    m_channels = channels;
    m_model->setChannels(channels, editable && editable->typeCode() == FavoriteGroupType);
    if (m_sizeColumnsOnNextFill && m_model->rowCount() > 0) {
        m_sizeColumnsOnNextFill = false;
        sizeColumnsToContents();
    }
}

bool ChannelListWidget::restoreColumnState(const QByteArray &state)
{
    if (!header()->restoreState(state))
        return false;
    m_columnsRemembered = true;
    m_sizeColumnsOnNextFill = false;
    return true;
}

// Each column as wide as the rows laid out need, but none wider than half
// the pane, so that a long name cannot push every other column out of sight.
void ChannelListWidget::sizeColumnsToContents()
{
    // The view's own width: a view not shown yet has not laid out its viewport.
    const int widest = std::max(width() / 2, header()->minimumSectionSize());
    for (int column = 0; column < ChannelTableModel::ColumnCount; ++column) {
        if (isColumnHidden(column))
            continue;
        resizeColumnToContents(column);
        if (columnWidth(column) > widest)
            setColumnWidth(column, widest);
    }
}

Channel *ChannelListWidget::channelOfRow(int row) const
{
    return m_model->channelAt(row);
}

Channel *ChannelListWidget::editableAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? channelOfRow(index.row()) : nullptr;
}

QList<Channel *> ChannelListWidget::selectedChannels() const
{
    // By ranges and rows, not cells: a full table holds 130000 selected cells.
    QList<Channel *> result;
    QSet<Channel *> seen;
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        for (int row = range.top(); row <= range.bottom(); ++row) {
            Channel *channel = channelOfRow(row);
            if (channel && !seen.contains(channel)) {
                seen.insert(channel);
                result.append(channel);
            }
        }
    }
    return result;
}

void ChannelListWidget::selectChannels(const QList<Channel *> &channels, Channel *current)
{
    QList<int> rows;
    rows.reserve(channels.size());
    for (const Channel *channel : channels)
        if (const int row = m_model->rowOf(channel); row >= 0)
            rows.append(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // One range per run of neighbouring rows keeps a large selection cheap.
    QItemSelection selection;
    const int lastColumn = ChannelTableModel::ColumnCount - 1;
    for (qsizetype start = 0; start < rows.size();) {
        qsizetype end = start;
        while (end + 1 < rows.size() && rows.at(end + 1) == rows.at(end) + 1)
            ++end;
        selection.append(
            QItemSelectionRange(m_model->index(rows.at(start), 0), m_model->index(rows.at(end), lastColumn)));
        start = end + 1;
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (rows.isEmpty())
        return;
    const int currentRow = current ? m_model->rowOf(current) : -1;
    const QModelIndex shown = m_model->index(currentRow >= 0 ? currentRow : rows.constFirst(), 0);
    selectionModel()->setCurrentIndex(shown, QItemSelectionModel::NoUpdate);
    scrollTo(shown);
}

void ChannelListWidget::addContextMenu(QMenu *menu)
{
    m_contextMenus.append(menu);
}

void ChannelListWidget::setFilterField(QLineEdit *field)
{
    if (m_filterField)
        disconnect(m_filterField, nullptr, this, nullptr);
    m_filterField = field;
    if (!field)
        return;
    connect(field, &QLineEdit::textChanged, this, &ChannelListWidget::setFilterText);
    field->installEventFilter(this);
    setFilterText(field->text());
}

bool ChannelListWidget::eventFilter(QObject *watched, QEvent *event)
{
    // Down from the filter goes on to the rows it found, as in a search box.
    // The event's type is asked first: a field being destroyed still sends
    // events, and comparing it through its QPointer would cast a QWidget.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Down
        && watched == m_filterField && m_model->rowCount() > 0) {
        setFocus(Qt::TabFocusReason);
        if (!currentIndex().isValid())
            setCurrentIndex(m_model->index(0, 0));
        return true;
    }
    return QTreeView::eventFilter(watched, event);
}

void ChannelListWidget::setFilterText(const QString &text)
{
    const QList<Channel *> selected = selectedChannels();
    // The rows still shown keep their selection, as they would in any list
    // narrowed by a search; rows the filter hides leave it, so that no
    // command can reach a channel the user cannot see.
    if (m_model->setFilterText(text) && !selected.isEmpty())
        selectChannels(selected);
}

void ChannelListWidget::clearFilter()
{
    if (m_filterField)
        m_filterField->clear();
    setFilterText({});
}

QString ChannelListWidget::rowCountText() const
{
    const int given = m_model->givenCount();
    if (m_model->isFiltered())
        return given == 1 ? tr("%1 of 1 channel").arg(m_model->rowCount())
                          : tr("%1 of %2 channels").arg(m_model->rowCount()).arg(given);
    return given == 1 ? tr("1 channel") : tr("%1 channels").arg(given);
}

void ChannelListWidget::announceRowCount()
{
    emit rowCountTextChanged(rowCountText());
}

QList<quint64> ChannelListWidget::selectedChannelIds() const
{
    QList<quint64> ids;
    const QList<Channel *> channels = selectedChannels();
    ids.reserve(channels.size());
    for (const Channel *channel : channels)
        ids.append(channel->id());
    return ids;
}

void ChannelListWidget::selectChannelsById(const QList<quint64> &ids)
{
    const QSet<quint64> wanted(ids.cbegin(), ids.cend());
    QList<Channel *> channels;
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (Channel *channel = channelOfRow(row); channel && wanted.contains(channel->id()))
            channels.append(channel);
    selectChannels(channels);
}

Editable *ChannelListWidget::context() const
{
    if (!m_settings || !m_currentEditable)
        return nullptr;
    return m_settings->contains(m_currentEditable) ? m_currentEditable : nullptr;
}

bool ChannelListWidget::storeHolds(const QList<Editable *> &objects) const
{
    if (!m_settings)
        return false;
    ChannelList *shownList = m_settings->channelListFor(context());
    return std::all_of(objects.cbegin(), objects.cend(), [this, shownList](Editable *object) {
        // Compares addresses only, so a deleted object is never touched.
        return m_settings->contains(object)
            || (shownList && shownList->contains(reinterpret_cast<Channel *>(object)));
    });
}

bool ChannelListWidget::canDropAt(const QList<Editable *> &dragged, Channel *target) const
{
    // An empty payload is no drop: answering it as a move would let its
    // source delete what it offered.
    if (!m_settings || dragged.isEmpty() || !storeHolds(dragged))
        return false;
    return target && m_settings->canDropEditables(dragged, target);
}

bool ChannelListWidget::acceptsDrop(const QList<Editable *> &dragged, Channel *target)
{
    if (!canDropAt(dragged, target))
        return false;
    // Sorted by another column the rows would land where the user cannot
    // see them go.
    if (!m_model->isInListOrder()) {
        emit statusMessage(tr("Sort by position to reorder"));
        return false;
    }
    return true;
}

void ChannelListWidget::showDropIndicator(const QList<Editable *> &dragged, Channel *target)
{
    const QRect before = m_dropRow;
    m_dropRow = {};
    m_dropAbove = m_dropBelow = false;
    const ChannelList *list = target && m_settings ? m_settings->channelListFor(context()) : nullptr;
    if (list) {
        const int targetPosition = list->indexOf(target);
        // A channel from above the target lands below it, one from below above it.
        for (Editable *editable : dragged) {
            const int position = list->indexOf(static_cast<Channel *>(editable));
            m_dropBelow = m_dropBelow || (position >= 0 && position < targetPosition);
            m_dropAbove = m_dropAbove || position > targetPosition;
        }
        const QModelIndex index = m_model->index(m_model->rowOf(target), 0);
        m_dropRow = QRect(0, visualRect(index).top(), viewport()->width(), visualRect(index).height());
    }
    if (before != m_dropRow)
        viewport()->update();
}

void ChannelListWidget::paintEvent(QPaintEvent *event)
{
    QTreeView::paintEvent(event);
    if (m_dropRow.isNull())
        return;
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    if (m_dropAbove)
        painter.drawLine(m_dropRow.topLeft(), m_dropRow.topRight());
    if (m_dropBelow)
        painter.drawLine(m_dropRow.bottomLeft(), m_dropRow.bottomRight());
}

void ChannelListWidget::updateEditable(Editable *editable)
{
    m_model->refresh(editable);
}

void ChannelListWidget::deleteEditable(Editable *editable)
{
    if (!editable || editable->typeCode() != ChannelType)
        return;
    auto *channel = static_cast<Channel *>(editable);
    if (m_model->removeChannel(channel))
        m_channels.removeOne(channel);
}

bool ChannelListWidget::runChannelDialog(Channel *channel)
{
    return editChannel(this, channel, m_settings);
}

void ChannelListWidget::QTreeViewDoubleClicked(const QModelIndex &index)
{
    if (index.isValid())
        m_actions->editChannel(channelOfRow(index.row()));
}

QList<Editable *> ChannelListWidget::draggedEditables() const
{
    const QList<Channel *> channels = selectedChannels();
    return QList<Editable *>(channels.cbegin(), channels.cend());
}

void ChannelListWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // Over empty space the menu acts on the selection as it is.
    selectForContextMenu(event);
    // Without a file there is nothing to create in or delete from.
    const bool fileOpen = !m_settings.isNull();
    m_actions->createAction()->setVisible(fileOpen);
    m_actions->deleteAction()->setVisible(fileOpen);
    QMenu menu(this);
    menu.addAction(m_actions->createAction());
    menu.addAction(m_actions->deleteAction());
    m_actions->selectDuplicatesAction()->setVisible(fileOpen);
    menu.addAction(m_actions->selectDuplicatesAction());
    menu.addAction(m_actions->selectColumnsAction());
    if (fileOpen) {
        for (const QPointer<QMenu> &extra : std::as_const(m_contextMenus))
            if (extra) {
                menu.addSeparator();
                menu.addMenu(extra);
            }
    }
    menu.exec(event->globalPos());
}

void ChannelListWidget::dragEnterEvent(QDragEnterEvent *event)
{
    // Data of other programs is left to the window, which opens files.
    if (editablesFromMimeData(event->mimeData()).isEmpty()) {
        event->ignore();
        return;
    }
    setState(DraggingState);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void ChannelListWidget::dragMoveEvent(QDragMoveEvent *event)
{
    // The base class scrolls while the pointer nears an edge; whether the
    // drop is allowed is decided here alone.
    QTreeView::dragMoveEvent(event);

    const QList<Editable *> dragged = editablesFromMimeData(event->mimeData());
    Channel *target = editableAt(event->position().toPoint());
    if (!acceptsDrop(dragged, target)) {
        showDropIndicator({}, nullptr);
        event->ignore();
        return;
    }
    showDropIndicator(dragged, target);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void ChannelListWidget::dragLeaveEvent(QDragLeaveEvent *event)
{
    showDropIndicator({}, nullptr);
    QTreeView::dragLeaveEvent(event);
}

void ChannelListWidget::dropEvent(QDropEvent *event)
{
    stopAutoScroll();
    setState(NoState);
    showDropIndicator({}, nullptr);
    const QList<Editable *> dragged = editablesFromMimeData(event->mimeData());
    Channel *target = editableAt(event->position().toPoint());
    // Checked again: the store may have changed since the last move.
    if (!acceptsDrop(dragged, target)) {
        event->ignore();
        return;
    }
    const NamedStep step(m_history, NamedStep::drop(dragged, *target));
    m_settings->dropEditables(dragged, target, context());
    event->setDropAction(Qt::MoveAction);
    event->accept();
}
