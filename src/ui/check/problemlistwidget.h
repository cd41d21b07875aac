#pragma once

#include "check/fileproblem.h"
#include "model/editable.h"

#include <QList>
#include <QTreeWidget>

// The result of a file check as a sortable list: severity, kind, object and
// explanation, errors first and the checker's order within a severity. It keeps a guarded reference to each
// object, so a problem whose object has since been deleted stays listed but can no longer be activated. Meant
// to sit in a dock.
class ProblemListWidget : public QTreeWidget
{
    Q_OBJECT

public:
    enum Column { SeverityColumn, KindColumn, ObjectColumn, ExplanationColumn };

    explicit ProblemListWidget(QWidget *parent = nullptr);

    void setProblems(const QList<FileProblem> &problems);

signals:
    // A double click or Enter on a problem whose object still exists.
    void problemActivated(Editable *object);

private:
    void activateItem(QTreeWidgetItem *item);
};
