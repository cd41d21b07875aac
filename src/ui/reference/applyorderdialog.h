#pragma once

#include "reference/applyreferenceorder.h"

#include <QDialog>

#include <memory>

class ReferenceList;
class ReferenceMatch;

namespace Ui {
class applyOrderDialog;
}

// Shows what applying a reference's order would do, counted before anything
// changes, and lets the user choose what else to take over. Changes nothing
// itself: the caller applies options() once the dialog is accepted.
class ApplyOrderDialog : public QDialog
{
    Q_OBJECT

public:
    // referenceName is what the user picked; skippedLines counts lines of a
    // text list that could not be read.
    ApplyOrderDialog(const QString &referenceName, const ReferenceList &reference,
        const ReferenceMatch &match, int skippedLines, QWidget *parent = nullptr);
    ~ApplyOrderDialog() override;

    ApplyOrderOptions options() const;

private:
    std::unique_ptr<Ui::applyOrderDialog> m_ui;
};
