#include "commands/settingshistory.h"

#include "commands/stepdescription.h"
#include "model/editable.h"
#include "store/settings.h"

#include <QAction>
#include <QUndoCommand>

#include <memory>

namespace {

// A step is pushed after its change was made: the first redo has nothing to do.
class RecordedStep : public QUndoCommand
{
public:
    using QUndoCommand::QUndoCommand;

    void redo() final
    {
        if (std::exchange(m_pushed, true))
            doAgain();
    }

    // What redoing the step gives from now on: the store as a save tidied it.
    virtual void setWholeAfter(SettingsSnapshot after) = 0;

protected:
    virtual void doAgain() = 0;

private:
    bool m_pushed = false;
};

} // namespace

// A step that changed lists: the store's whole content on either side of it.
// Consecutive steps share the snapshot between them, so a step costs one
// snapshot.
class SettingsHistory::WholeStep : public RecordedStep
{
public:
    WholeStep(SettingsHistory &history, SettingsSnapshot before, SettingsSnapshot after, const QString &text)
        : RecordedStep(text)
        , m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after))
    { }

    void undo() override { m_history.restore(m_before); }
    void setWholeAfter(SettingsSnapshot after) override { m_after = std::move(after); }

private:
    void doAgain() override { m_history.restore(m_after); }

    SettingsHistory &m_history;
    SettingsSnapshot m_before;
    SettingsSnapshot m_after;
};

// A step that only changed properties: the records of the objects it
// changed, before and after, by id. Records refer to other objects by their
// places in the lists; once lists changed without a step, the history gives
// the step the whole contents they stand for.
class SettingsHistory::PropertyStep : public RecordedStep
{
public:
    PropertyStep(SettingsHistory &history, QList<quint64> ids, QList<QByteArray> before,
        QList<QByteArray> after, const QString &text)
        : RecordedStep(text)
        , m_history(history)
        , m_ids(std::move(ids))
        , m_before(std::move(before))
        , m_after(std::move(after))
    { }

    void undo() override
    {
        if (m_whole)
            m_history.restore(m_whole->first);
        else
            m_history.applyRecords(m_ids, m_before);
    }

    void setWholeAfter(SettingsSnapshot after) override
    {
        if (m_whole)
            m_whole->second = std::move(after);
    }
    bool keepsWhole() const { return m_whole.has_value(); }
    void keepWhole(SettingsSnapshot before, SettingsSnapshot after)
    {
        m_whole.emplace(std::move(before), std::move(after));
    }
    QHash<quint64, QByteArray> records(bool after) const
    {
        QHash<quint64, QByteArray> records;
        for (qsizetype i = 0; i < m_ids.size(); ++i)
            records.insert(m_ids.at(i), (after ? m_after : m_before).at(i));
        return records;
    }

private:
    void doAgain() override
    {
        if (m_whole)
            m_history.restore(m_whole->second);
        else
            m_history.applyRecords(m_ids, m_after);
    }

    SettingsHistory &m_history;
    QList<quint64> m_ids;
    QList<QByteArray> m_before;
    QList<QByteArray> m_after;
    std::optional<std::pair<SettingsSnapshot, SettingsSnapshot>> m_whole;
};

SettingsHistory::SettingsHistory(QObject *parent)
    : QObject(parent)
{
    m_stack.setUndoLimit(DefaultUndoLimit);
}

SettingsHistory::~SettingsHistory() = default;

void SettingsHistory::setSettings(Settings *settings)
{
    if (m_settings)
        disconnect(m_settings, nullptr, this, nullptr);
    m_settings = settings;
    m_stack.clear();
    m_commitScheduled = false;
    forgetPending();
    m_committed.clear();
    m_outline.reset();
    if (!settings)
        return;
    captureCommitted();
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
    // Heard even while not recording: a list changed behind the committed
    // records' backs makes the positions they refer by stale, so the next
    // step compares the whole store.
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
    if (!m_recording || m_commitScheduled)
        return;
    m_commitScheduled = true;
    QMetaObject::invokeMethod(this, &SettingsHistory::commitPending, Qt::QueuedConnection);
}

void SettingsHistory::commitPending()
{
    if (!std::exchange(m_commitScheduled, false) || !m_settings)
        return;
    const QList<Editable *> objects = m_changedObjects.values();
    const bool listChanged = m_listChanged;
    const QString name = std::exchange(m_stepName, {});
    forgetPending();
    if (listChanged || !commitProperties(objects, name))
        commitWhole(name);
}

void SettingsHistory::nameNextStep(const QString &text)
{
    m_stepName = text;
}

bool SettingsHistory::commitProperties(const QList<Editable *> &objects, const QString &name)
{
    QList<quint64> ids;
    ids.reserve(objects.size());
    for (const Editable *object : objects)
        ids.append(object->id());
    const QList<QByteArray> committed = m_committed.records(ids);
    QList<Editable *> changed;
    QList<quint64> changedIds;
    QList<QByteArray> before;
    QList<QByteArray> after;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        const QByteArray now = SettingsSnapshot::captureRecord(*m_settings, *objects.at(i));
        if (committed.at(i).isEmpty() || now.isEmpty())
            return false;
        // Changed and changed back within one action: not part of the step.
        if (now == committed.at(i))
            continue;
        changed.append(objects.at(i));
        changedIds.append(ids.at(i));
        before.append(committed.at(i));
        after.append(now);
    }
    if (changed.isEmpty())
        return true;
    const QString text = name.isEmpty() ? describeProperties(changed, before, after) : name;
    for (qsizetype i = 0; i < changed.size(); ++i) {
        m_committed.setRecord(changedIds.at(i), after.at(i));
        if (m_outline)
            m_outline->setEntry(changedIds.at(i), changed.at(i)->typeCode(), after.at(i), *m_settings);
    }
    m_stack.push(new PropertyStep(*this, changedIds, before, after, text));
    return true;
}

QString SettingsHistory::describeProperties(
    const QList<Editable *> &objects, const QList<QByteArray> &before, const QList<QByteArray> &after) const
{
    SettingsOutline was;
    SettingsOutline is;
    for (qsizetype i = 0; i < objects.size(); ++i) {
        // Both records were taken with the lists as now.
        was.setEntry(objects.at(i)->id(), objects.at(i)->typeCode(), before.at(i), *m_settings);
        is.setEntry(objects.at(i)->id(), objects.at(i)->typeCode(), after.at(i), *m_settings);
    }
    return StepDescription::describe(was, is);
}

void SettingsHistory::commitWhole(const QString &name)
{
    const SettingsSnapshot before = m_committed.whole();
    SettingsSnapshot::Records records;
    const SettingsSnapshot after = SettingsSnapshot::capture(*m_settings, &records);
    // A dialog accepted without an edit, or a move back to where it was,
    // is no step.
    if (after == before) {
        m_committed.reset(after, std::move(records));
        return;
    }
    QString text = name;
    if (text.isEmpty()) {
        const SettingsOutline outlineBefore = committedOutline();
        m_outline = SettingsOutline::read(after, records);
        text = StepDescription::describe(outlineBefore, *m_outline);
    } else {
        // Named by the action: no outline need be read for it now.
        m_outline.reset();
    }
    m_committed.reset(after, std::move(records));
    m_stack.push(new WholeStep(*this, before, after, text));
}

void SettingsHistory::markSaved()
{
    if (!m_settings)
        return;
    m_commitScheduled = false;
    // The save's tidying may have changed lists; the steps after this point
    // will refer to the lists as tidied, so redoing up to here gives them.
    const bool tidied = m_listChanged;
    if (tidied)
        keepWholeAroundPresent();
    forgetPending();
    captureCommitted();
    if (tidied && m_stack.index() > 0)
        static_cast<RecordedStep *>(const_cast<QUndoCommand *>(m_stack.command(m_stack.index() - 1)))
            ->setWholeAfter(m_committed.whole());
    m_stack.setClean();
}

void SettingsHistory::undo()
{
    prepareToStep();
    m_stack.undo();
}

void SettingsHistory::redo()
{
    prepareToStep();
    m_stack.redo();
}

void SettingsHistory::setIndex(int index)
{
    prepareToStep();
    m_stack.setIndex(index);
}

void SettingsHistory::prepareToStep()
{
    commitPending();
    if (m_listChanged)
        keepWholeAroundPresent();
}

SettingsHistory::PropertyStep *SettingsHistory::propertyStepAt(int index)
{
    // The stack hands its commands out read-only, but they are ours.
    return dynamic_cast<PropertyStep *>(const_cast<QUndoCommand *>(m_stack.command(index)));
}

void SettingsHistory::keepWholeAroundPresent()
{
    // Only the property steps next to the present refer to the lists the
    // committed state has; beyond a whole step, the lists are its own.
    for (const bool backwards : { true, false }) {
        SettingsSnapshot::Records records = m_committed.wholeRecords();
        SettingsSnapshot near = m_committed.whole();
        const int direction = backwards ? -1 : 1;
        for (int i = backwards ? m_stack.index() - 1 : m_stack.index(); i >= 0 && i < m_stack.count();
             i += direction) {
            PropertyStep *step = propertyStepAt(i);
            if (!step || step->keepsWhole())
                break;
            SettingsSnapshot far = near.withRecords(records, step->records(!backwards));
            if (backwards)
                step->keepWhole(far, near);
            else
                step->keepWhole(near, far);
            near = std::move(far);
        }
    }
}

void SettingsHistory::restore(const SettingsSnapshot &snapshot)
{
    if (!m_settings)
        return;
    emit aboutToRestore();
    {
        Unrecorded quiet(*this);
        SettingsSnapshot::Records records;
        // Only what capture wrote comes back here, so the restore cannot be refused.
        const bool restored = snapshot.restore(*m_settings, &records);
        Q_ASSERT(restored);
        Q_UNUSED(restored);
        m_committed.reset(snapshot, std::move(records));
    }
    m_outline.reset();
    m_commitScheduled = false;
    forgetPending();
    emit restored();
}

void SettingsHistory::applyRecords(const QList<quint64> &ids, const QList<QByteArray> &records)
{
    if (!m_settings)
        return;
    {
        Unrecorded quiet(*this);
        const QHash<quint64, Editable *> objects
            = m_settings->editablesByIds(QSet<quint64>(ids.cbegin(), ids.cend()));
        for (qsizetype i = 0; i < ids.size(); ++i) {
            // Objects keep their ids through every restore, and a step only
            // applies to the lists it was recorded on.
            Editable *object = objects.value(ids.at(i));
            const bool applied = object && SettingsSnapshot::applyRecord(*m_settings, *object, records.at(i));
            Q_ASSERT(applied);
            Q_UNUSED(applied);
            m_committed.setRecord(ids.at(i), records.at(i));
            if (object && m_outline)
                m_outline->setEntry(ids.at(i), object->typeCode(), records.at(i), *m_settings);
        }
    }
    m_commitScheduled = false;
    forgetPending();
}

void SettingsHistory::captureCommitted()
{
    SettingsSnapshot::Records records;
    SettingsSnapshot whole = SettingsSnapshot::capture(*m_settings, &records);
    m_committed.reset(std::move(whole), std::move(records));
    m_outline.reset();
}

SettingsOutline SettingsHistory::committedOutline()
{
    if (m_outline)
        return *std::exchange(m_outline, std::nullopt);
    return SettingsOutline::read(m_committed.whole(), m_committed.wholeRecords());
}

void SettingsHistory::forgetPending()
{
    m_stepName.clear();
    m_changedObjects.clear();
    m_listChanged = false;
}

SettingsHistory::Unrecorded::Unrecorded(SettingsHistory &history)
    : m_history(history)
    , m_wasRecording(std::exchange(history.m_recording, false))
{ }

SettingsHistory::Unrecorded::~Unrecorded()
{
    m_history.m_recording = m_wasRecording;
}
