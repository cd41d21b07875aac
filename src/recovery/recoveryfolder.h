#pragma once

#include "recoverycopy.h"

#include <QList>
#include <QString>

// The recovery copies that editors which did not close cleanly left in a
// folder. Reading them tidies the folder: a copy that can never be restored
// is deleted, so it is not offered again.
class RecoveryFolder
{
public:
    explicit RecoveryFolder(QString folder)
        : m_folder(std::move(folder))
    { }

    // The copies that restore onto their file, newest first. Copies whose
    // file is gone, that are damaged or that no longer fit their file are
    // deleted and logged; those another running editor keeps are left be.
    QList<RecoveryCopy> restorableCopies() const;

    // Deletes a copy the user gave up; false when it is still there.
    static bool remove(const RecoveryCopy &copy);

private:
    QString m_folder;
};
