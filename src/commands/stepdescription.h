#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

class Editable;
struct StoreLists;

// Names a step from what it changed, as the undo menu shows it: "Delete 3
// Channels", "Move Channel", "Rename Satellite". For the steps whose action
// did not name them: worked out from the step alone, never from the store.
class StepDescription
{
    Q_DECLARE_TR_FUNCTIONS(StepDescription)

public:
    // What one step changed, as the history recorded it.
    struct Change
    {
        QList<Editable *> removed;
        QList<Editable *> added;
        // An object of the store whose own record changed, by the records
        // before and after.
        struct Edit
        {
            int type = -1;
            QByteArray before;
            QByteArray after;
        };
        QList<Edit> edits;
        // The lists on either side, when they changed.
        const StoreLists *listsBefore = nullptr;
        const StoreLists *listsAfter = nullptr;
    };

    static QString describe(const Change &change);

    // "Channel", "3 Channels", ...
    static QString objects(int type, int count);
};
