#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"
#include "ui/dialogs/dialogfields.h"
#include "ui/dialogs/editdialog.h"
#include "ui_transponderdialog.h"

#include <QComboBox>
#include <QDialog>
#include <QPushButton>

using namespace DialogFields;

namespace {

// Not kept between dialogs: the names follow the installed translation.
CodeTable polarizationNames()
{
    return { { 0, Transponder::polarizationText(0) }, { 1, Transponder::polarizationText(1) } };
}

} // namespace

bool editTransponder(QWidget *parent, Transponder *transponder, Settings *settings)
{
    QDialog dialog(parent);
    Ui::transponderDialog form;
    form.setupUi(&dialog);

    // Positions of the combo box refer to this copy, so equal names are no
    // problem.
    const QList<Satellite *> satellites = settings ? settings->satellites() : QList<Satellite *>();
    for (const Satellite *satellite : satellites)
        form.satelliteComboBox->addItem(satellite->displayText());
    fillComboBox(form.polarizationComboBox, polarizationNames());

    form.satelliteComboBox->setCurrentIndex(int(satellites.indexOf(transponder->satellite())));
    selectCode(form.polarizationComboBox, polarizationNames(), transponder->polarization());

    setNumber(form.transportStreamIdLineEdit, transponder->transportStreamId(), 0, 65535, &dialog);
    setNumber(form.networkIdLineEdit, transponder->networkId(), 0, 65535, &dialog);
    setNumber(form.originalNetworkIdLineEdit, transponder->originalNetworkId(), 0, 65535, &dialog);
    setNumber(form.frequencyLineEdit, transponder->frequency(), 0, 13000, &dialog);
    setNumber(form.symbolRateLineEdit, transponder->symbolRate(), 0, 60000, &dialog);

    // A transponder must always belong to a satellite of the store.
    QPushButton *okButton = form.buttonBox->button(QDialogButtonBox::Ok);
    auto updateOk = [&form, okButton] { okButton->setEnabled(form.satelliteComboBox->currentIndex() >= 0); };
    QObject::connect(form.satelliteComboBox, &QComboBox::currentIndexChanged, &dialog, updateOk);
    updateOk();

    if (dialog.exec() != QDialog::Accepted)
        return false;
    const int satelliteIndex = form.satelliteComboBox->currentIndex();
    if (satelliteIndex < 0 || satelliteIndex >= satellites.size())
        return false;

    transponder->setSatellite(satellites.at(satelliteIndex));
    transponder->setPolarization(selectedCode(form.polarizationComboBox, polarizationNames()));
    transponder->setTransportStreamId(quint16(number(form.transportStreamIdLineEdit)));
    transponder->setNetworkId(quint16(number(form.networkIdLineEdit)));
    transponder->setOriginalNetworkId(quint16(number(form.originalNetworkIdLineEdit)));
    transponder->setFrequency(quint16(number(form.frequencyLineEdit)));
    transponder->setSymbolRate(quint16(number(form.symbolRateLineEdit)));
    return true;
}
