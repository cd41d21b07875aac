#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

class Editable;

// One property that differs between an object of this file and its match
// in the other: a stable key for scripts and the two values as text.
struct FieldChange
{
    QString field;
    QString here;
    QString there;
};

// One difference between this file and another: an object only one of them
// has, or a matched pair whose content or place differs. The objects belong
// to the two stores and live as long as they do.
struct Difference
{
    Q_DECLARE_TR_FUNCTIONS(Difference)

public:
    enum class Kind { OnlyHere, OnlyThere, Changed, Moved };
    static constexpr int KindCount = 4;

    Kind kind = Kind::Changed;
    // The EditableType of the objects.
    int type = 0;
    const Editable *here = nullptr;
    const Editable *there = nullptr;
    QString label;
    QList<FieldChange> changes;

    // Stable words for scripts: "removed", "added", "changed", "moved".
    static QString kindKey(Kind kind);
    // For people: "Only in this file", ...
    static QString kindTitle(Kind kind);
    // "name: A -> B; video-pid: 100 -> 200"
    QString changesText() const;
};
