#include "ui/channellistwidget.h"

#include "check/duplicateservices.h"
#include "commands/deletionsummary.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/rooteditable.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/capacitycheck.h"
#include "store/settings.h"
#include "ui/channelcelldelegate.h"
#include "ui/contextmenukey.h"
#include "ui/editablemimedata.h"
#include "ui/editdialog.h"
#include "ui/selectcolumnsdialog.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFont>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSet>

#include <algorithm>
#include <memory>
#include <utility>

ChannelListWidget::ChannelListWidget(QWidget *parent)
    : QTreeView(parent)
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
    m_createAction = new QAction(QIcon(QStringLiteral(":/icons/plus.png")), tr("&Create Channel…"), this);
    m_deleteAction = new QAction(QIcon(QStringLiteral(":/icons/editdelete.png")), tr("&Delete"), this);
    // Only shown in the menu: the key itself is handled by keyPressEvent,
    // so the table never competes with the tree for a window-wide shortcut.
    m_deleteAction->setShortcut(QKeySequence::Delete);
    m_selectColumnsAction = new QAction(tr("Select &Columns…"), this);
    m_selectDuplicatesAction = new QAction(tr("Select D&uplicates"), this);
    m_selectDuplicatesAction->setToolTip(
        tr("Select every channel that repeats the service of a channel before it"));

    connect(m_createAction, &QAction::triggered, this, &ChannelListWidget::createChannel);
    connect(m_deleteAction, &QAction::triggered, this, &ChannelListWidget::deleteSelectedChannels);
    connect(m_selectColumnsAction, &QAction::triggered, this, &ChannelListWidget::selectColumns);
    connect(m_selectDuplicatesAction, &QAction::triggered, this, &ChannelListWidget::selectDuplicates);
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

void ChannelListWidget::selectDuplicates()
{
    if (!m_settings)
        return;
    const QList<Channel *> extras = DuplicateServices::extras(*m_settings);
    if (extras.isEmpty()) {
        selectionModel()->clearSelection();
        QMessageBox::information(
            this, tr("Select duplicates"), tr("No channel repeats the service of another channel."));
        return;
    }
    // Delete destroys channels only outside a favourite group, so the extras
    // are selected where it does, and where each of them has a row.
    const QSet<Channel *> given(m_channels.cbegin(), m_channels.cend());
    const Editable *shown = context();
    const bool everyExtraGiven = std::all_of(
        extras.cbegin(), extras.cend(), [&given](Channel *extra) { return given.contains(extra); });
    if (!shown || shown->typeCode() == FavoriteGroupType || !everyExtraGiven) {
        emit mainListRequested();
        // Nobody decides what the table shows: it shows the main list itself.
        if (m_settings && m_currentEditable != m_settings->satellitesRoot())
            showChannels(m_settings->satellitesRoot(), m_settings->channelsOf(m_settings->satellitesRoot()));
    }
    if (m_model->isFiltered() && std::any_of(extras.cbegin(), extras.cend(), [this](Channel *extra) {
            return m_model->rowOf(extra) < 0;
        }))
        clearFilter();
    selectChannels(extras);
    // The next Delete is meant for these rows.
    setFocus(Qt::OtherFocusReason);
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
    if (!m_settings || !index.isValid())
        return;
    if (Channel *channel = channelOfRow(index.row()))
        runChannelDialog(channel);
}

// Tells the user and returns true when a new channel would not fit the
// file, or the favourite group shown, any more.
bool ChannelListWidget::refuseBeyondCapacity()
{
    QString message;
    if (const auto full = CapacityCheck::overflow(*m_settings, CapacityCheck::Kind::Channels, 1)) {
        message = tr("This settings file holds at most %1 channels. Delete a channel before creating "
                     "another one.")
                      .arg(full->limit);
    } else if (Editable *shown = context(); shown && shown->typeCode() == FavoriteGroupType) {
        if (const auto full
            = CapacityCheck::overflow(*m_settings, CapacityCheck::Kind::GroupChannels, 1, shown))
            message = tr("A favorite group holds at most %1 channels.").arg(full->limit);
    }
    if (message.isEmpty())
        return false;
    QMessageBox::warning(this, tr("Create channel"), message);
    return true;
}

void ChannelListWidget::createChannel()
{
    if (!m_settings || refuseBeyondCapacity())
        return;

    auto channel = std::make_unique<Channel>();
    const QList<Channel *> selected = selectedChannels();
    if (!selected.isEmpty()) {
        channel->setTransponder(selected.first()->transponder());
        channel->setProvider(selected.first()->provider());
    } else if (Editable *shown = context(); shown && shown->typeCode() == TransponderType) {
        // A channel created among a transponder's or provider's channels
        // belongs there, and would not show in the table otherwise.
        channel->setTransponder(static_cast<Transponder *>(shown));
    } else if (shown && shown->typeCode() == ProviderType) {
        channel->setProvider(static_cast<Provider *>(shown));
    }
    if (!runChannelDialog(channel.get()) || !m_settings)
        return;

    // The dialog must not leave the channel pointing at something the
    // store does not hold; it would be written out as a dangling position.
    if (channel->transponder() && !m_settings->contains(channel->transponder()))
        channel->setTransponder(nullptr);
    if (channel->provider() && !m_settings->contains(channel->provider()))
        channel->setProvider(nullptr);

    // The file's channel table is the main list, so every channel goes
    // there; one created while a group is shown joins that group too.
    Editable *shown = context();
    Channel *added = channel.release();
    m_settings->addChannel(nullptr, added);
    if (shown && shown->typeCode() == FavoriteGroupType)
        m_settings->addChannel(shown, added);
}

void ChannelListWidget::deleteSelectedChannels()
{
    if (!m_settings)
        return;
    const QList<Channel *> selected = selectedChannels();
    if (selected.isEmpty())
        return;
    // Deleting a copy of a service must not take the service out of the
    // favourite groups while another copy stays.
    Editable *shown = context();
    const bool fromMainList = !shown || shown->typeCode() != FavoriteGroupType;
    const QList<Editable *> doomed(selected.cbegin(), selected.cend());
    const QString summary = fromMainList ? DeletionSummary::describe(*m_settings, doomed)
                                         : DeletionSummary::describeRemoval(*shown, doomed);
    m_settings->removeChannels(shown, selected,
        fromMainList ? DuplicateServices::keepers(*m_settings, selected) : QHash<Channel *, Channel *>());
    if (!summary.isEmpty())
        emit deleted(summary);
}

void ChannelListWidget::selectColumns()
{
    selectColumnsDialog(this, this);
}

void ChannelListWidget::mousePressEvent(QMouseEvent *event)
{
    m_dragEnded = false;
    m_pressMayDrag = event->button() == Qt::LeftButton;
    if (m_pressMayDrag)
        m_dragStart = event->position().toPoint();
    // A plain press on a selected row leaves the selection to the release,
    // so that a drag carries every selected row.
    QTreeView::mousePressEvent(event);
}

void ChannelListWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressMayDrag || !(event->buttons() & Qt::LeftButton)) {
        QTreeView::mouseMoveEvent(event);
        return;
    }
    // While the button is held the press is a click or a drag, never a
    // drag-selection, which would widen what the drag then carries.
    if ((event->position().toPoint() - m_dragStart).manhattanLength() < QApplication::startDragDistance())
        return;
    m_pressMayDrag = false;
    m_dragEnded = true;
    startDrag(Qt::MoveAction);
    // This move and the release after it belong to the finished drag; the
    // base class would take them for a selection from the press onwards.
    setState(NoState);
}

void ChannelListWidget::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressMayDrag = false;
    if (std::exchange(m_dragEnded, false)) {
        event->accept();
        return;
    }
    QTreeView::mouseReleaseEvent(event);
}

void ChannelListWidget::startDrag(Qt::DropActions)
{
    const QList<Channel *> channels = selectedChannels();
    execEditableDrag(this, QList<Editable *>(channels.cbegin(), channels.cend()));
}

void ChannelListWidget::keyPressEvent(QKeyEvent *event)
{
    if (ContextMenuKey::handle(this, event))
        return;
    if (event->matches(QKeySequence::Delete)) {
        deleteSelectedChannels();
        event->accept();
        return;
    }
    const int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) && currentIndex().isValid()) {
        QTreeViewDoubleClicked(currentIndex());
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ChannelListWidget::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu acts on the selection, so the row clicked must be part of it.
    if (event->reason() == QContextMenuEvent::Mouse) {
        const QModelIndex index = indexAt(event->pos());
        if (index.isValid() && !selectionModel()->isSelected(index))
            selectionModel()->setCurrentIndex(
                index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Without a file there is nothing to create in or delete from.
    const bool fileOpen = !m_settings.isNull();
    m_createAction->setVisible(fileOpen);
    m_deleteAction->setVisible(fileOpen);
    QMenu menu(this);
    menu.addAction(m_createAction);
    menu.addAction(m_deleteAction);
    m_selectDuplicatesAction->setVisible(fileOpen);
    menu.addAction(m_selectDuplicatesAction);
    menu.addAction(m_selectColumnsAction);
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
    m_settings->dropEditables(dragged, target, context());
    event->setDropAction(Qt::MoveAction);
    event->accept();
}
