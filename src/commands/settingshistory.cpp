#include "commands/settingshistory.h"

#include "commands/stepdescription.h"
#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "snapshot/snapshotrecords.h"
#include "store/storelistschange.h"

#include <QAction>
#include <QSet>
#include <QUndoCommand>

#include <optional>

// One side of a step: the lists, when the step changed any, and the records
// of the objects whose properties it changed, by id. An empty record leaves
// its object as it is: the object is out of the store on that side.
struct SettingsHistory::Side
{
    std::optional<StoreLists> lists;
    QList<quint64> ids;
    QList<int> types;
    QList<QByteArray> records;
};

// A step is pushed after its change was made: the first redo has nothing
// to do. It refers to the objects that joined or left the store with it, so
// that the history keeps them while the step can put them back.
class SettingsHistory::DeltaStep : public QUndoCommand
{
public:
    DeltaStep(
        SettingsHistory &history, Side before, Side after, QList<Editable *> touched, const QString &text)
        : QUndoCommand(text)
        , m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after))
        , m_touched(std::move(touched))
    {
        m_history.m_kept.refer(m_touched);
    }
    ~DeltaStep() override { m_history.m_kept.unrefer(m_touched); }

    void undo() override { m_history.apply(m_before); }
    void redo() override
    {
        if (std::exchange(m_pushed, true))
            m_history.apply(m_after);
    }

private:
    SettingsHistory &m_history;
    Side m_before;
    Side m_after;
    QList<Editable *> m_touched;
    bool m_pushed = false;
};

SettingsHistory::SettingsHistory(QObject *parent)
    : QObject(parent)
{
    m_stack.setUndoLimit(DefaultUndoLimit);
}

SettingsHistory::~SettingsHistory()
{
    setSettings(nullptr);
}

void SettingsHistory::setSettings(Settings *settings)
{
    if (m_settings) {
        disconnect(m_settings, nullptr, this, nullptr);
        m_settings->setKeeper(nullptr);
    }
    m_stack.clear();
    m_kept.clear();
    m_settings = settings;
    m_commitScheduled = false;
    forgetPending();
    m_records.clear();
    m_lists = {};
    if (!settings)
        return;
    settings->setKeeper(&m_kept);
    m_lists = settings->lists();
    recordEveryObject();
    for (auto signal :
        { &Settings::updatedSatelliteList, &Settings::updatedTransponderList, &Settings::updatedProviderList,
            &Settings::updatedChannelList, &Settings::updatedFavoriteGroupList })
        connect(settings, signal, this, &SettingsHistory::listChanged);
    connect(settings, &Settings::updatedEditable, this, &SettingsHistory::objectChanged);
}

QAction *SettingsHistory::createUndoAction(QObject *parent)
{
    auto *action = m_stack.createUndoAction(parent);
    // QUndoStack's own connection would step before a pending change is
    // recorded; ours commits it first.
    disconnect(action, &QAction::triggered, &m_stack, nullptr);
    connect(action, &QAction::triggered, this, &SettingsHistory::undo);
    return action;
}

QAction *SettingsHistory::createRedoAction(QObject *parent)
{
    auto *action = m_stack.createRedoAction(parent);
    disconnect(action, &QAction::triggered, &m_stack, nullptr);
    connect(action, &QAction::triggered, this, &SettingsHistory::redo);
    return action;
}

void SettingsHistory::listChanged()
{
    if (!m_recording)
        return;
    m_listChanged = true;
    scheduleCommit();
}

void SettingsHistory::objectChanged(Editable *editable)
{
    if (!m_recording || !editable)
        return;
    m_changedObjects.insert(editable->id(), editable);
    scheduleCommit();
}

void SettingsHistory::scheduleCommit()
{
    if (m_commitScheduled)
        return;
    m_commitScheduled = true;
    QMetaObject::invokeMethod(this, &SettingsHistory::commitPending, Qt::QueuedConnection);
}

void SettingsHistory::commitPending()
{
    if (!std::exchange(m_commitScheduled, false) || !m_settings)
        return;
    commit(std::exchange(m_stepName, {}));
}

void SettingsHistory::nameNextStep(const QString &text)
{
    m_stepName = text;
}

void SettingsHistory::commitAs(const QString &text)
{
    if (!m_commitScheduled)
        return;
    m_stepName = text;
    commitPending();
}

void SettingsHistory::commit(const QString &name)
{
    const QList<Editable *> objects = m_changedObjects.values();
    const bool listChanged = m_listChanged;
    forgetPending();
    Side before;
    Side after;
    QList<Editable *> touched;
    if (listChanged) {
        StoreLists now = m_settings->lists();
        const StoreListsChange change(m_lists, now);
        if (change.any()) {
            touched = change.left() + change.joined();
            touched.append(
                QList<Editable *>(change.channelCandidates().cbegin(), change.channelCandidates().cend()));
            before.lists = m_lists;
            after.lists = std::move(now);
        }
    }
    StepDescription::Change described;
    for (Editable *object : objects) {
        const QByteArray was = m_records.record(object->id());
        // An object that this step made has no record yet; it is taken below.
        if (was.isEmpty())
            continue;
        const QByteArray is = m_kept.keeps(object) ? QByteArray() : SnapshotRecords::recordOf(*object);
        // Changed and changed back within one action: not part of the step.
        if (is == was)
            continue;
        for (Side *side : { &before, &after }) {
            side->ids.append(object->id());
            side->types.append(object->typeCode());
        }
        before.records.append(was);
        after.records.append(is);
        described.edits.append({ object->typeCode(), was, is });
    }
    // A dialog accepted without an edit, or a move back to where it was, is no step.
    if (!after.lists && after.ids.isEmpty()) {
        m_kept.dropUnreferenced();
        return;
    }
    for (Editable *object : std::as_const(touched)) {
        const bool known = m_records.contains(object->id());
        if (m_kept.keeps(object) && known) {
            described.removed.append(object);
        } else if (!m_kept.keeps(object) && !known) {
            described.added.append(object);
            m_records.insertRecordOf(*object);
        }
    }
    // Only what is out of the store on one side may need the step to bring
    // it back; a channel that merely moved stays the store's.
    touched = described.removed + described.added;
    for (qsizetype i = 0; i < after.ids.size(); ++i)
        if (!after.records.at(i).isEmpty())
            m_records.insert(after.ids.at(i), after.records.at(i));
    QString text = name;
    if (text.isEmpty()) {
        described.listsBefore = before.lists ? &*before.lists : nullptr;
        described.listsAfter = after.lists ? &*after.lists : nullptr;
        text = StepDescription::describe(described);
    }
    if (after.lists)
        m_lists = *after.lists;
    m_stack.push(new DeltaStep(*this, std::move(before), std::move(after), std::move(touched), text));
    m_kept.dropUnreferenced();
}

void SettingsHistory::markSaved()
{
    if (!m_settings)
        return;
    commitPending();
    m_stack.setClean();
}

void SettingsHistory::undo()
{
    commitPending();
    m_stack.undo();
}

void SettingsHistory::redo()
{
    commitPending();
    m_stack.redo();
}

void SettingsHistory::setIndex(int index)
{
    commitPending();
    m_stack.setIndex(index);
}

void SettingsHistory::apply(const Side &side)
{
    if (!m_settings)
        return;
    if (side.lists)
        emit aboutToRestore();
    m_recording = false;
    if (!side.ids.isEmpty()) {
        // The objects the records belong to and refer to, in the store or
        // about to come back to it.
        QSet<quint64> wanted(side.ids.cbegin(), side.ids.cend());
        for (qsizetype i = 0; i < side.ids.size(); ++i) {
            if (const auto view = SnapshotRecords::view(side.types.at(i), side.records.at(i))) {
                wanted.insert(view->owner);
                wanted.insert(view->transponder);
            }
        }
        wanted.remove(0);
        QHash<quint64, Editable *> objects = m_settings->editablesByIds(wanted);
        for (quint64 id : std::as_const(wanted))
            if (Editable *kept = objects.contains(id) ? nullptr : m_kept.byId(id))
                objects.insert(id, kept);
        for (qsizetype i = 0; i < side.ids.size(); ++i) {
            if (side.records.at(i).isEmpty())
                continue;
            Editable *object = objects.value(side.ids.at(i));
            // Only records the history took come back here, with every object
            // they refer to kept.
            const bool applied = object && SnapshotRecords::applyRecord(*object, side.records.at(i), objects);
            Q_ASSERT(applied);
            Q_UNUSED(applied);
            m_records.insert(side.ids.at(i), side.records.at(i));
        }
    }
    if (side.lists)
        m_settings->setLists(*side.lists);
    m_recording = true;
    m_lists = m_settings->lists();
    m_commitScheduled = false;
    forgetPending();
    if (side.lists)
        emit restored();
}

void SettingsHistory::recordEveryObject()
{
    auto record = [this](const auto &objects) {
        for (const Editable *object : objects)
            if (!m_records.contains(object->id()))
                m_records.insertRecordOf(*object);
    };
    m_records.reserve(m_lists.satellites.size() + m_lists.transponders.size() + m_lists.providers.size()
        + m_lists.groups.size() + m_lists.main.channels.size());
    record(m_lists.satellites);
    record(m_lists.transponders);
    record(m_lists.providers);
    record(m_lists.groups);
    record(m_lists.main.channels);
    for (const StoreLists::Channels &list : std::as_const(m_lists.groupLists))
        record(list.channels);
}

void SettingsHistory::forgetPending()
{
    m_stepName.clear();
    m_changedObjects.clear();
    m_listChanged = false;
}
