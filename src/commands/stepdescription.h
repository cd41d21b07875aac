#pragma once

#include <QCoreApplication>
#include <QString>

class SettingsOutline;

// Names the step that led from one outline of a store to the next, as the
// undo menu shows it: "Delete 3 Channels", "Move Channel", "Rename
// Satellite". Worked out from the content alone, so every action gets a
// fitting name without telling the history what it did.
class StepDescription
{
    Q_DECLARE_TR_FUNCTIONS(StepDescription)

public:
    static QString describe(const SettingsOutline &before, const SettingsOutline &after);

    // "Channel", "3 Channels", ...
    static QString objects(int type, int count);
};
