#pragma once

#include "reference/referencelist.h"
#include "reference/referencelisttext.h"

#include <QCoreApplication>
#include <QString>

// Reads a reference from a file the user picked ("-" for standard input): a
// settings file of either receiver model, or else a reference list in text
// form of at most maxSize bytes.
class ReferenceFile
{
    Q_DECLARE_TR_FUNCTIONS(ReferenceFile)

public:
    struct Result
    {
        ReferenceList list;
        // Skipped lines of a text list; empty for a settings file.
        QList<ReferenceLineProblem> problems;
        // Set when the file cannot serve as a reference at all.
        QString error;
        bool isSettingsFile = false;
        bool ok() const { return error.isEmpty(); }
    };

    static constexpr qint64 maxSize = 64 * 1024 * 1024;

    [[nodiscard]] static Result load(const QString &path);
};
