#include "dialogfields.h"
#include "editdialog.h"
#include "satellite.h"
#include "ui_satellitedialog.h"

#include <QDialog>

using namespace DialogFields;

namespace {

const CodeTable &diseqcNames()
{
    static const CodeTable names {
        { 0, QStringLiteral("OFF") },
        { 1, QStringLiteral("A") },
        { 2, QStringLiteral("B") },
        { 3, QStringLiteral("C") },
        { 4, QStringLiteral("D") },
        { 5, QStringLiteral("TONE BURST A") },
        { 6, QStringLiteral("TONE BURST B") },
    };
    return names;
}

const CodeTable &toneNames()
{
    static const CodeTable names {
        { 0, QStringLiteral("AUTO") },
        { 1, QStringLiteral("ON") },
        { 2, QStringLiteral("OFF") },
    };
    return names;
}

// Ports 10 to 16 are stored as 0x10 to 0x16: the port number read as hex.
const CodeTable &diseqc11Names()
{
    static const CodeTable names = [] {
        CodeTable table { { 0, QStringLiteral("OFF") } };
        for (int port = 1; port <= 9; ++port)
            table.insert(port, QString::number(port));
        for (int port = 10; port <= 16; ++port)
            table.insert(0x10 + port - 10, QString::number(port));
        return table;
    }();
    return names;
}

} // namespace

bool editSatellite(QWidget *parent, Satellite *satellite, Settings *)
{
    QDialog dialog(parent);
    Ui::satelliteDialog form;
    form.setupUi(&dialog);

    fillComboBox(form.diseqcComboBox, diseqcNames());
    fillComboBox(form.toneComboBox, toneNames());
    fillComboBox(form.diseqc11ComboBox, diseqc11Names());

    setNumber(form.positionLineEdit, satellite->position(), 0, 9999, &dialog);
    form.nameLineEdit->setText(satellite->name());
    setNumber(form.lowLofLineEdit, satellite->lowLof(), 0, 20000, &dialog);
    setNumber(form.highLofLineEdit, satellite->highLof(), 0, 20000, &dialog);
    selectCode(form.diseqcComboBox, diseqcNames(), satellite->diseqc());
    selectCode(form.toneComboBox, toneNames(), satellite->tone());
    form.diseqc12CheckBox->setChecked(satellite->diseqc12());
    setNumber(form.diseqc12PositionLineEdit, satellite->diseqc12Position(), 0, 60, &dialog);
    selectCode(form.diseqc11ComboBox, diseqc11Names(), satellite->diseqc11());
    requireName(form.nameLineEdit, form.buttonBox);

    if (dialog.exec() != QDialog::Accepted)
        return false;

    satellite->setPosition(quint16(number(form.positionLineEdit)));
    satellite->setName(form.nameLineEdit->text());
    satellite->setLowLof(quint16(number(form.lowLofLineEdit)));
    satellite->setHighLof(quint16(number(form.highLofLineEdit)));
    satellite->setDiseqc(selectedCode(form.diseqcComboBox, diseqcNames()));
    satellite->setTone(selectedCode(form.toneComboBox, toneNames()));
    satellite->setDiseqc12(form.diseqc12CheckBox->isChecked());
    satellite->setDiseqc12Position(quint8(number(form.diseqc12PositionLineEdit)));
    satellite->setDiseqc11(selectedCode(form.diseqc11ComboBox, diseqc11Names()));
    return true;
}
