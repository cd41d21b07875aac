#pragma once

#include <QMap>
#include <QString>

class QComboBox;
class QDialogButtonBox;
class QLineEdit;
class QObject;

// Helpers shared by the edit dialogs: numbers shown as plain decimal text
// under a range validator, and codes shown through small code-to-text tables.
namespace DialogFields {

// Code to text, iterated in ascending code order.
using CodeTable = QMap<int, QString>;

void fillComboBox(QComboBox *comboBox, const CodeTable &table);
// Makes the code's entry current; no entry is current for an unknown code.
void selectCode(QComboBox *comboBox, const CodeTable &table, int code);
// The code whose text is the current text, 0 when none matches.
[[nodiscard]] int selectedCode(const QComboBox *comboBox, const CodeTable &table);

// Shows the value and limits typing to [bottom, top]; the validator is a
// child of owner.
void setNumber(QLineEdit *lineEdit, int value, int bottom, int top, QObject *owner);
// The field read as a decimal number; 0 for an empty or unreadable text.
[[nodiscard]] int number(const QLineEdit *lineEdit);

// Keeps OK disabled while the name field holds no name.
void requireName(QLineEdit *nameLineEdit, QDialogButtonBox *buttonBox);

} // namespace DialogFields
