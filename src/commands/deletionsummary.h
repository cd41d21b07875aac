#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class Editable;
class Settings;

// Says in the status bar's words what a delete is about to take, cascades
// included ("Deleted satellite Astra 1KR with 3 transponders and 4
// channels"), and how to get it back. Worked out before the delete, while
// the objects and their names still exist.
class DeletionSummary
{
    Q_DECLARE_TR_FUNCTIONS(DeletionSummary)

public:
    // What deleting `objects` from the store takes; empty when nothing goes.
    static QString describe(const Settings &settings, const QList<Editable *> &objects);
    // What taking `channels` out of a favourite group does.
    static QString describeRemoval(const Editable &group, const QList<Editable *> &channels);
    // The summary with the way back: "… — Ctrl+Z to undo".
    static QString withUndoHint(const QString &summary, const QString &undoKeys);
};
