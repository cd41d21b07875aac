#pragma once

#include "recovery/recoverycopy.h"

#include <QList>
#include <QString>

// The recovery copies that editors which did not close cleanly left in a
// folder. A copy is only ever deleted when the user gives it up: one whose
// file is missing (on a disk not plugged in) or changed is still offered,
// and a damaged one is set aside under another name.
class RecoveryFolder
{
public:
    explicit RecoveryFolder(QString folder)
        : m_folder(std::move(folder))
    { }

    // The copies no running editor keeps, newest first. Damaged copies are
    // renamed out of the way; setAside, if given, receives their new paths.
    QList<RecoveryCopy> restorableCopies(QStringList *setAside = nullptr) const;

    // Deletes a copy the user gave up; false when it is still there.
    static bool remove(const RecoveryCopy &copy);

    // What a damaged copy is renamed to.
    static QString setAsidePathFor(const QString &copyPath);

private:
    QString m_folder;
};
