#include "ui/dialogs/dialogfields.h"

#include "ui/dialogs/boundedintvalidator.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

namespace DialogFields {

void fillComboBox(QComboBox *comboBox, const CodeTable &table)
{
    for (const QString &text : table)
        comboBox->addItem(text);
}

void selectCode(QComboBox *comboBox, const CodeTable &table, int code)
{
    // The list index differs from the code wherever the codes have gaps.
    const QList<int> codes = table.keys();
    comboBox->setCurrentIndex(int(codes.indexOf(code)));
}

int selectedCode(const QComboBox *comboBox, const CodeTable &table)
{
    if (comboBox->currentIndex() < 0)
        return 0;
    const QString text = comboBox->currentText();
    for (auto it = table.cbegin(); it != table.cend(); ++it)
        if (it.value() == text)
            return it.key();
    return 0;
}

void setNumber(QLineEdit *lineEdit, int value, int bottom, int top, QObject *owner)
{
    lineEdit->setValidator(new BoundedIntValidator(bottom, top, owner));
    lineEdit->setText(QString::number(value));
}

int number(const QLineEdit *lineEdit)
{
    bool ok = false;
    const int value = lineEdit->text().toInt(&ok);
    return ok ? value : 0;
}

void requireName(QLineEdit *nameLineEdit, QDialogButtonBox *buttonBox)
{
    QPushButton *ok = buttonBox->button(QDialogButtonBox::Ok);
    const auto update = [nameLineEdit, ok] { ok->setEnabled(!nameLineEdit->text().trimmed().isEmpty()); };
    QObject::connect(nameLineEdit, &QLineEdit::textChanged, ok, update);
    update();
}

} // namespace DialogFields
