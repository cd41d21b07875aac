#pragma once

#include "commands/committedstate.h"
#include "commands/settingsoutline.h"
#include "store/settings.h"
#include "snapshot/settingssnapshot.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUndoStack>

#include <optional>

class QAction;

// The undo history of one store. It records every change by itself: the
// first announcement of the store after a recorded state schedules one
// commit at the end of the current event processing, so that all that a
// single user action changes (a delete with its cascades, a dialog's
// several setters, a drop) becomes one step. A step that changed lists
// keeps the store's whole content before and after it; one that only
// changed properties keeps the records of the objects it changed. Undoing
// or redoing a step restores that content, which gives back exactly the
// bytes a save would have written.
//
// Restoring a whole content makes new objects under the old ids: whoever
// keeps a place in the store across an undo keeps ids, never pointers.
class SettingsHistory : public QObject
{
    Q_OBJECT

public:
    // Enough for a session's work, and at most about 60 MB for a full file.
    static constexpr int DefaultUndoLimit = 100;

    explicit SettingsHistory(QObject *parent = nullptr);
    ~SettingsHistory() override;

    // Starts a new history on the store (or none), its state as loaded
    // being the clean one.
    void setSettings(Settings *settings);
    Settings *settings() const { return m_settings; }

    QUndoStack *stack() { return &m_stack; }
    // Like QUndoStack's own actions, but they record a change still waiting
    // for its commit before they step.
    QAction *createUndoAction(QObject *parent);
    QAction *createRedoAction(QObject *parent);

    // Records what changed since the last step at once, if anything did.
    void commitPending();
    // The name of the step the change about to be made becomes, for an
    // action that knows better what it did than a comparison of the
    // contents can tell ("Move 3 Channels to Top"). Call it only for a
    // change that will be made; the next commit takes the name.
    void nameNextStep(const QString &text);
    // After the store was written: its state now is the clean one. A save
    // may tidy the store (merge providers, sort satellites) without the
    // user's doing; that is not recorded as a step.
    void markSaved();

    // While one lives, the store's announcements are not recorded: for
    // changes that are no step of the user's, as a save's tidying.
    class Unrecorded
    {
    public:
        explicit Unrecorded(SettingsHistory &history);
        ~Unrecorded();
        Unrecorded(const Unrecorded &) = delete;
        Unrecorded &operator=(const Unrecorded &) = delete;

    private:
        SettingsHistory &m_history;
        bool m_wasRecording;
    };

public slots:
    void undo();
    void redo();
    // Undoes or redoes up to the point after `index` steps.
    void setIndex(int index);

signals:
    // Before an undo or redo replaces the store's objects: the last moment
    // their pointers may be used. An undo or redo that only gives objects
    // their earlier properties keeps them, and sends neither signal.
    void aboutToRestore();
    // After an undo or redo replaced the store's objects; the views have
    // rebuilt from the store's list announcements by then.
    void restored();

private:
    class WholeStep;
    class PropertyStep;

    void listChanged();
    void objectChanged(Editable *editable);
    void scheduleCommit();
    // False when the changed objects cannot stand for the step alone.
    bool commitProperties(const QList<Editable *> &objects, const QString &name);
    void commitWhole(const QString &name);
    QString describeProperties(const QList<Editable *> &objects, const QList<QByteArray> &before,
        const QList<QByteArray> &after) const;
    // Every way of stepping goes through here first.
    void prepareToStep();
    void restore(const SettingsSnapshot &snapshot);
    // Lists changed without a step: the property steps that refer to the
    // lists as they were take whole contents instead.
    void keepWholeAroundPresent();
    PropertyStep *propertyStepAt(int index);
    void applyRecords(const QList<quint64> &ids, const QList<QByteArray> &records);
    void captureCommitted();
    // The outline of the committed state, which the caller replaces.
    SettingsOutline committedOutline();
    void forgetPending();

    QUndoStack m_stack;
    QPointer<Settings> m_settings;
    CommittedState m_committed;
    // The outline of the committed state while known, kept up to date object
    // by object by steps of properties: a step that changes lists is named
    // from it. Read from the committed snapshot only when such a step needs
    // it, so that a load or a restore does not pay for it.
    std::optional<SettingsOutline> m_outline;
    // What the store announced since the last commit. The objects live while
    // no list changed: deleting one announces its list.
    QHash<quint64, Editable *> m_changedObjects;
    bool m_listChanged = false;
    QString m_stepName;
    bool m_recording = true;
    bool m_commitScheduled = false;
};
