#include "model/satellite.h"
#include "ui/dialogs/dialogfields.h"
#include "ui/dialogs/editdialog.h"
#include "ui/dialogs/nameroomvalidator.h"
#include "ui_satellitedialog.h"

#include <QCoreApplication>
#include <QDialog>

using namespace DialogFields;

namespace {

// The names of the antenna codes, made anew for each dialog rather than kept,
// so that they follow the translation installed at the time.
struct SatelliteCodes
{
    Q_DECLARE_TR_FUNCTIONS(satelliteDialog)
};

CodeTable diseqcNames()
{
    return {
        { 0, SatelliteCodes::tr("OFF") },
        { 1, QStringLiteral("A") },
        { 2, QStringLiteral("B") },
        { 3, QStringLiteral("C") },
        { 4, QStringLiteral("D") },
        { 5, SatelliteCodes::tr("TONE BURST A") },
        { 6, SatelliteCodes::tr("TONE BURST B") },
    };
}

CodeTable toneNames()
{
    return {
        { 0, SatelliteCodes::tr("AUTO") },
        { 1, SatelliteCodes::tr("ON") },
        { 2, SatelliteCodes::tr("OFF") },
    };
}

// Ports 10 to 16 are stored as 0x10 to 0x16: the port number read as hex.
CodeTable diseqc11Names()
{
    CodeTable table { { 0, SatelliteCodes::tr("OFF") } };
    for (int port = 1; port <= 9; ++port)
        table.insert(port, QString::number(port));
    for (int port = 10; port <= 16; ++port)
        table.insert(0x10 + port - 10, QString::number(port));
    return table;
}

} // namespace

bool editSatellite(QWidget *parent, Satellite *satellite, Settings *settings)
{
    QDialog dialog(parent);
    Ui::satelliteDialog form;
    form.setupUi(&dialog);

    fillComboBox(form.diseqcComboBox, diseqcNames());
    fillComboBox(form.toneComboBox, toneNames());
    fillComboBox(form.diseqc11ComboBox, diseqc11Names());

    setNumber(form.positionLineEdit, satellite->position(), 0, 9999, &dialog);
    form.nameLineEdit->setText(satellite->name());
    NameRoomValidator::attach(form.nameLineEdit, form.nameRoomLabel, settings, satellite);
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
