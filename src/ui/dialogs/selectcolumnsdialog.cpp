#include "ui/dialogs/selectcolumnsdialog.h"

#include "ui_selectcolumnsdialog.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QDialog>
#include <QList>
#include <QPushButton>
#include <QTreeView>

bool selectColumnsDialog(QTreeView *view, QWidget *parent)
{
    const QAbstractItemModel *model = view ? view->model() : nullptr;
    if (!model)
        return false;

    QDialog dialog(parent);
    Ui::selectColumnsDialog form;
    form.setupUi(&dialog);
    QObject::connect(form.buttonBox, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(form.buttonBox, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    const int columns = model->columnCount();
    QList<QCheckBox *> boxes;
    boxes.reserve(columns);
    for (int column = 0; column < columns; ++column) {
        auto *box = new QCheckBox(model->headerData(column, Qt::Horizontal).toString(), &dialog);
        box->setChecked(!view->isColumnHidden(column));
        form.columnGrid->addWidget(box, column, 0);
        boxes.append(box);
    }

    if (dialog.exec() != QDialog::Accepted)
        return false;
    // The model may have been replaced while the dialog ran.
    const int now = view->model() ? view->model()->columnCount() : 0;
    for (int column = 0; column < columns && column < now; ++column)
        view->setColumnHidden(column, !boxes.at(column)->isChecked());
    return true;
}
