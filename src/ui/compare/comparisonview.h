#pragma once

#include <QTreeView>

// The list of differences: drags the selected channels of the other file
// as a copy, never as a move out of a file that is open read-only.
class ComparisonView : public QTreeView
{
    Q_OBJECT

public:
    explicit ComparisonView(QWidget *parent = nullptr);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
};
