#pragma once

#include "commands/keptobjects.h"
#include "commands/recordbook.h"
#include "store/settings.h"
#include "store/storelists.h"

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QUndoStack>

class QAction;

// The undo history of one store. It records every change by itself: the
// first announcement of the store after a recorded state schedules one
// commit at the end of the current event processing, so that all that a
// single user action changes (a delete with its cascades, a dialog's
// several setters, a drop) becomes one step.
//
// A step records what changed, not the store: the lists it changed, on
// either side, and the records of the objects whose properties it changed.
// Undo and redo apply that to the live store, so the objects a step did not
// touch stay as they are, and those it removed come back as the same
// objects: the history keeps them while a step can put them back. That
// gives back exactly the bytes a save would have written.
class SettingsHistory : public QObject
{
    Q_OBJECT

public:
    // Enough for a session's work.
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
    // action that knows better what it did than the step can tell ("Move 3
    // Channels to Top"). Call it only for a change that will be made; the
    // next commit takes the name.
    void nameNextStep(const QString &text);
    // Records what changed since the last step at once, as a step of this
    // name, if anything did: for a change the program made on its own, such
    // as a save's tidying or the restore of unsaved changes.
    void commitAs(const QString &text);
    // After the store was written: its state now is the clean one.
    void markSaved();

public slots:
    void undo();
    void redo();
    // Undoes or redoes up to the point after `index` steps.
    void setIndex(int index);

signals:
    // Before and after an undo or redo changes the store's lists: views that
    // keep a selection across it may take it before and give it back after.
    void aboutToRestore();
    void restored();

private:
    class DeltaStep;
    struct Side;

    void listChanged();
    void objectChanged(Editable *editable);
    void scheduleCommit();
    void commit(const QString &name);
    // Gives the store one side of a step: the objects' records first, then
    // the lists, which also undo what the records did to a list's TV block.
    void apply(const Side &side);
    void recordEveryObject();
    void forgetPending();

    QPointer<Settings> m_settings;
    // Declared before the stack, whose steps refer to the objects it keeps.
    KeptObjects m_kept;
    QUndoStack m_stack;
    // The store as last committed: its lists, and each object's record by id.
    StoreLists m_lists;
    RecordBook m_records;
    // What the store announced since the last commit.
    QHash<quint64, Editable *> m_changedObjects;
    bool m_listChanged = false;
    QString m_stepName;
    bool m_recording = true;
    bool m_commitScheduled = false;
};
