#include "channellistwidget.h"

#include "channel.h"
#include "editablemimedata.h"
#include "editdialog.h"
#include "favoritegroup.h"
#include "provider.h"
#include "satellite.h"
#include "selectcolumnsdialog.h"
#include "settings.h"
#include "transponder.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStandardItemModel>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

constexpr Qt::ItemFlags cellFlags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;

QStandardItem *newCell(const QVariant &value)
{
    auto *item = new QStandardItem;
    item->setFlags(cellFlags);
    if (value.isValid())
        item->setData(value, Qt::DisplayRole);
    return item;
}

} // namespace

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

    m_columnTitles = {
        tr("Id"),
        tr("Name"),
        tr("Provider"),
        tr("Satellite"),
        tr("Frequency"),
        tr("SymbolRate"),
        tr("Polarization"),
        tr("Service Type"),
        tr("SID"),
        tr("Video PID"),
        tr("Audio PID"),
        tr("PCR PID"),
        tr("PMT PID"),
    };
    createModel();

    m_createAction = new QAction(QIcon(QStringLiteral(":/icons/plus.png")), tr("create"), this);
    m_deleteAction = new QAction(QIcon(QStringLiteral(":/icons/editdelete.png")), tr("delete"), this);
    // Only shown in the menu: the key itself is handled by keyPressEvent,
    // so the table never competes with the tree for a window-wide shortcut.
    m_deleteAction->setShortcut(QKeySequence::Delete);
    m_selectColumnsAction = new QAction(tr("select columns"), this);

    connect(m_createAction, &QAction::triggered, this, &ChannelListWidget::createChannel);
    connect(m_deleteAction, &QAction::triggered, this, &ChannelListWidget::deleteSelectedChannels);
    connect(m_selectColumnsAction, &QAction::triggered, this, &ChannelListWidget::selectColumns);
    connect(this, &QAbstractItemView::doubleClicked, this, &ChannelListWidget::QTreeViewDoubleClicked);
}

ChannelListWidget::~ChannelListWidget() = default;

void ChannelListWidget::setSettings(Settings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    // The rows belong to the previous store, whose channels may go any time.
    if (settings != m_settings) {
        m_currentEditable = nullptr;
        m_channels.clear();
        createModel();
    }
    m_settings = settings;
    if (m_settings)
        connect(m_settings, &Settings::updatedEditable, this, &ChannelListWidget::updateEditable);
}

void ChannelListWidget::showChannels(Editable *editable, const QList<Channel *> &channels)
{
    m_currentEditable = editable;
    m_channels = channels;

    // Rows start out in main-list order. Ties (channels outside the main
    // list) keep the order of inserting every row on top, hence reversed.
    QList<std::pair<int, Channel *>> order;
    order.reserve(channels.size());
    for (auto it = channels.crbegin(); it != channels.crend(); ++it) {
        Channel *channel = *it;
        order.append({ m_settings ? m_settings->mainChannelList().indexOf(channel) : -1, channel });
    }
    std::stable_sort(
        order.begin(), order.end(), [](const auto &a, const auto &b) { return a.first < b.first; });

    // Filled before the view sees it, so the view lays out once.
    QStandardItemModel *model = newModel();
    clearTable();
    m_channelItems.reserve(order.size());
    m_itemOfChannel.reserve(order.size());
    for (const auto &entry : std::as_const(order)) {
        Channel *channel = entry.second;
        const RowValues values = rowValues(channel);
        QList<QStandardItem *> row;
        row.reserve(ColumnCount);
        for (const QVariant &value : values)
            row.append(newCell(value));
        model->appendRow(row);
        m_channelItems.insert(row.first(), channel);
        m_itemOfChannel.insert(channel, row.first());
    }
    installModel(model);
    // With header sorting on, the view has just sorted the new model by its
    // sort indicator; a rebuild always starts in main-list order.
    const bool sortedById = header()->sortIndicatorSection() == IdColumn
        && header()->sortIndicatorOrder() == Qt::AscendingOrder;
    if (isSortingEnabled() && !sortedById)
        m_model->sort(IdColumn, Qt::AscendingOrder);
}

ChannelListWidget::RowValues ChannelListWidget::rowValues(Channel *channel) const
{
    const Provider *provider = channel->provider();
    const Transponder *transponder = channel->transponder();
    const Satellite *satellite = transponder ? transponder->satellite() : nullptr;

    RowValues values;
    values[IdColumn] = m_settings ? m_settings->mainChannelList().indexOf(channel) : -1;
    values[NameColumn] = channel->name();
    if (provider)
        values[ProviderColumn] = provider->name();
    if (satellite)
        values[SatelliteColumn] = satellite->name();
    if (transponder) {
        values[FrequencyColumn] = int(transponder->frequency());
        values[SymbolRateColumn] = int(transponder->symbolRate());
        values[PolarizationColumn] = Transponder::polarizationText(transponder->polarization());
    }
    values[ServiceTypeColumn] = Channel::serviceTypeText(channel->serviceType());
    // Identifiers sort as text, like the names, so they are stored as text.
    values[ServiceIdColumn] = QString::number(channel->serviceId());
    values[VideoPidColumn] = QString::number(channel->videoPid());
    values[AudioPidColumn] = QString::number(channel->audioPid());
    values[PcrPidColumn] = QString::number(channel->pcrPid());
    values[PmtPidColumn] = QString::number(channel->pmtPid());
    return values;
}

void ChannelListWidget::fillRow(int row, Channel *channel)
{
    const RowValues values = rowValues(channel);
    for (int column = 0; column < ColumnCount; ++column) {
        QStandardItem *item = m_model->item(row, column);
        if (!item) {
            m_model->setItem(row, column, newCell(values[column]));
            continue;
        }
        // An invalid value clears the cell: a channel that lost its
        // provider or transponder must not keep showing the old one.
        item->setData(values[column], Qt::DisplayRole);
    }
}

void ChannelListWidget::createModel()
{
    clearTable();
    installModel(newModel());
}

QStandardItemModel *ChannelListWidget::newModel()
{
    auto *model = new QStandardItemModel(0, int(m_columnTitles.size()), this);
    model->setHorizontalHeaderLabels(m_columnTitles);
    return model;
}

void ChannelListWidget::clearTable()
{
    m_channelItems.clear();
    m_itemOfChannel.clear();
}

// Hidden columns and widths belong to the header and survive the swap.
void ChannelListWidget::installModel(QStandardItemModel *model)
{
    QStandardItemModel *oldModel = std::exchange(m_model, model);
    QItemSelectionModel *oldSelection = selectionModel();
    setModel(model);
    // The view deletes neither the replaced model nor its selection model.
    delete oldSelection;
    delete oldModel;
}

Channel *ChannelListWidget::channelOfRow(int row) const
{
    if (!m_model)
        return nullptr;
    return m_channelItems.value(m_model->item(row, IdColumn));
}

Channel *ChannelListWidget::editableAt(const QPoint &pos) const
{
    const QModelIndex index = indexAt(pos);
    return index.isValid() ? channelOfRow(index.row()) : nullptr;
}

QList<Channel *> ChannelListWidget::selectedChannels() const
{
    QList<Channel *> result;
    QSet<Channel *> seen;
    const QModelIndexList indexes = selectedIndexes();
    for (const QModelIndex &index : indexes) {
        Channel *channel = channelOfRow(index.row());
        if (channel && !seen.contains(channel)) {
            seen.insert(channel);
            result.append(channel);
        }
    }
    return result;
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
    if (!m_settings || !storeHolds(dragged))
        return false;
    return dragged.isEmpty() || (target && m_settings->canDropEditables(dragged, target));
}

void ChannelListWidget::updateEditable(Editable *editable)
{
    if (!editable || !m_model)
        return;
    if (editable->typeCode() != ChannelType) {
        refreshRowsOf(editable);
        return;
    }
    QStandardItem *item = m_itemOfChannel.value(static_cast<Channel *>(editable));
    if (item)
        fillRow(item->row(), static_cast<Channel *>(editable));
}

// A renamed provider or satellite, or a transponder with another frequency
// or satellite, shows in every row that refers to it.
void ChannelListWidget::refreshRowsOf(const Editable *owner)
{
    const int type = owner->typeCode();
    if (type != ProviderType && type != TransponderType && type != SatelliteType)
        return;
    for (auto it = m_itemOfChannel.cbegin(); it != m_itemOfChannel.cend(); ++it) {
        const Channel *channel = it.key();
        const Transponder *transponder = channel->transponder();
        const bool refers = channel->provider() == owner || transponder == owner
            || (transponder && transponder->satellite() == owner);
        if (refers)
            fillRow(it.value()->row(), it.key());
    }
}

void ChannelListWidget::deleteEditable(Editable *editable)
{
    if (!editable || editable->typeCode() != ChannelType || !m_model)
        return;
    auto *channel = static_cast<Channel *>(editable);
    QStandardItem *item = m_itemOfChannel.take(channel);
    if (!item)
        return;
    m_channelItems.remove(item);
    m_model->removeRow(item->row());
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
    const SettingsCapacity capacity = m_settings->capacity();
    QString message;
    if (m_settings->mainChannelList().count() >= capacity.channels) {
        message = tr("This settings file holds at most %1 channels. Delete a channel before creating "
                     "another one.")
                      .arg(capacity.channels);
    } else if (Editable *shown = context(); shown && shown->typeCode() == FavoriteGroupType) {
        const ChannelList *groupList = m_settings->channelListFor(shown);
        if (groupList && groupList->count() >= capacity.channelsPerGroup)
            message = tr("A favourite group holds at most %1 channels.").arg(capacity.channelsPerGroup);
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
    m_settings->removeChannels(context(), selected);
}

void ChannelListWidget::selectColumns()
{
    selectColumnsDialog(this, this);
}

void ChannelListWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragStart = event->position().toPoint();
    QTreeView::mousePressEvent(event);
}

void ChannelListWidget::mouseMoveEvent(QMouseEvent *event)
{
    if ((event->buttons() & Qt::LeftButton)
        && (event->position().toPoint() - m_dragStart).manhattanLength()
            >= QApplication::startDragDistance()) {
        startDrag(Qt::MoveAction);
    }
    QTreeView::mouseMoveEvent(event);
}

void ChannelListWidget::startDrag(Qt::DropActions)
{
    const QList<Channel *> channels = selectedChannels();
    execEditableDrag(this, QList<Editable *>(channels.cbegin(), channels.cend()));
}

void ChannelListWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Delete)) {
        deleteSelectedChannels();
        event->accept();
        return;
    }
    QTreeView::keyPressEvent(event);
}

void ChannelListWidget::contextMenuEvent(QContextMenuEvent *event)
{
    const bool fileOpen = !m_settings.isNull();
    m_createAction->setEnabled(fileOpen);
    m_deleteAction->setEnabled(fileOpen);
    QMenu menu(this);
    menu.addAction(m_createAction);
    menu.addAction(m_deleteAction);
    menu.addAction(m_selectColumnsAction);
    menu.exec(event->globalPos());
}

void ChannelListWidget::dragEnterEvent(QDragEnterEvent *event)
{
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
    if (!canDropAt(dragged, editableAt(event->position().toPoint()))) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void ChannelListWidget::dropEvent(QDropEvent *event)
{
    stopAutoScroll();
    setState(NoState);
    if (!event->mimeData() || !event->mimeData()->hasFormat(EditableMimeData::mimeType))
        return;
    const QList<Editable *> dragged = editablesFromMimeData(event->mimeData());
    Channel *target = editableAt(event->position().toPoint());
    // Checked again: the store may have changed since the last move.
    if (!canDropAt(dragged, target)) {
        event->ignore();
        return;
    }
    if (!dragged.isEmpty())
        m_settings->dropEditables(dragged, target, context());
    event->setDropAction(Qt::MoveAction);
    event->accept();
}
