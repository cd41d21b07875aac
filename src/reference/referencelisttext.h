#pragma once

#include "reference/referencelist.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// A line of a reference list that could not be read, and why.
struct ReferenceLineProblem
{
    int line = 0;
    QString message;
};

// The plain-text form of a reference list, one channel a line:
// "number;name;ONID-TSID-SID" in UTF-8. The name is everything between the
// first and the last ";", so names may hold ";" themselves; the last field
// is empty when the service key is unknown. Empty lines and lines starting
// with "#" are comments.
class ReferenceListText
{
    Q_DECLARE_TR_FUNCTIONS(ReferenceListText)

public:
    struct ReadResult
    {
        ReferenceList list;
        // Lines that did not parse; they were skipped.
        QList<ReferenceLineProblem> problems;
    };

    [[nodiscard]] static ReadResult read(const QByteArray &text);
    [[nodiscard]] static QByteArray write(const ReferenceList &list);
};
