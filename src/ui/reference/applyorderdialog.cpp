#include "ui/reference/applyorderdialog.h"

#include "reference/referencelist.h"
#include "reference/referencematch.h"

#include "ui_applyorderdialog.h"

#include <QPushButton>

ApplyOrderDialog::ApplyOrderDialog(const QString &referenceName, const ReferenceList &reference,
    const ReferenceMatch &match, int skippedLines, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::applyOrderDialog>())
{
    m_ui->setupUi(this);
    m_ui->referenceLabel->setText(tr("Order the channels like %1.").arg(referenceName));
    m_ui->byIdCount->setText(QString::number(match.matchedById()));
    m_ui->byNameCount->setText(QString::number(match.matchedByName()));
    m_ui->unmatchedCount->setText(QString::number(match.unmatchedCount()));
    m_ui->skippedLinesLabel->setText(
        tr("Lines of the list left out because they could not be read: %1").arg(skippedLines));
    m_ui->skippedLinesLabel->setVisible(skippedLines > 0);
    // A text list has no favourite groups to take.
    m_ui->takeFavoritesCheckBox->setEnabled(reference.hasGroups());

    QPushButton *apply = m_ui->buttonBox->button(QDialogButtonBox::Apply);
    apply->setDefault(true);
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ApplyOrderDialog::~ApplyOrderDialog() = default;

ApplyOrderOptions ApplyOrderDialog::options() const
{
    ApplyOrderOptions options;
    options.takeNames = m_ui->takeNamesCheckBox->isChecked();
    options.takeFavorites
        = m_ui->takeFavoritesCheckBox->isEnabled() && m_ui->takeFavoritesCheckBox->isChecked();
    options.dropUnmatched = m_ui->dropUnmatchedCheckBox->isChecked();
    return options;
}
