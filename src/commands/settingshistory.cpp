#include "settingshistory.h"

#include "editable.h"
#include "settings.h"
#include "stepdescription.h"

#include <QAction>
#include <QUndoCommand>

// One recorded step: the store's content on either side of it. Consecutive
// steps share the snapshot between them, so a step costs one snapshot.
class SettingsHistory::Step : public QUndoCommand
{
public:
    Step(SettingsHistory &history, SettingsSnapshot before, SettingsSnapshot after, const QString &text)
        : QUndoCommand(text)
        , m_history(history)
        , m_before(std::move(before))
        , m_after(std::move(after))
    { }

    void undo() override { m_history.restore(m_before); }
    void redo() override
    {
        // Pushed after the change was made: the first redo has nothing to do.
        if (std::exchange(m_pushed, true))
            m_history.restore(m_after);
    }

private:
    SettingsHistory &m_history;
    SettingsSnapshot m_before;
    SettingsSnapshot m_after;
    bool m_pushed = false;
};

namespace {

// A snapshot in a buffer of its own size: capture writes into a generous
// one, and a hundred steps would keep the slack too.
SettingsSnapshot compact(const SettingsSnapshot &snapshot)
{
    const QByteArray bytes = snapshot.toBytes();
    return *SettingsSnapshot::fromBytes(QByteArray(bytes.constData(), bytes.size()));
}

} // namespace

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
    m_current = {};
    m_currentOutline = {};
    if (!settings)
        return;
    captureCurrent();
    for (auto signal :
        { &Settings::updatedSatelliteList, &Settings::updatedTransponderList, &Settings::updatedProviderList,
            &Settings::updatedChannelList, &Settings::updatedFavoriteGroupList })
        connect(settings, signal, this, &SettingsHistory::changed);
    connect(settings, &Settings::updatedEditable, this, &SettingsHistory::changed);
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

void SettingsHistory::changed()
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
    const SettingsSnapshot before = m_current;
    const SettingsOutline beforeOutline = std::move(m_currentOutline);
    captureCurrent();
    // A dialog accepted without an edit, or a move back to where it was,
    // is no step.
    if (m_current == before)
        return;
    const QString text = StepDescription::describe(beforeOutline, m_currentOutline);
    m_stack.push(new Step(*this, before, m_current, text));
}

void SettingsHistory::markSaved()
{
    if (!m_settings)
        return;
    m_commitScheduled = false;
    captureCurrent();
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

void SettingsHistory::restore(const SettingsSnapshot &snapshot)
{
    if (!m_settings)
        return;
    emit aboutToRestore();
    {
        Unrecorded quiet(*this);
        // Only what capture wrote comes back here, so the restore cannot be refused.
        const bool restored = snapshot.restore(*m_settings);
        Q_ASSERT(restored);
        Q_UNUSED(restored);
    }
    m_current = snapshot;
    // Kept only for the current state: one per step would double what the
    // history holds.
    m_currentOutline = SettingsOutline::capture(*m_settings);
    m_commitScheduled = false;
    emit restored();
}

void SettingsHistory::captureCurrent()
{
    m_current = compact(SettingsSnapshot::capture(*m_settings));
    m_currentOutline = SettingsOutline::capture(*m_settings);
}

SettingsHistory::Unrecorded::Unrecorded(SettingsHistory &history)
    : m_history(history)
    , m_wasRecording(std::exchange(history.m_recording, false))
{ }

SettingsHistory::Unrecorded::~Unrecorded()
{
    m_history.m_recording = m_wasRecording;
}
