#include "model/channel.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "store/settings.h"
#include "ui/dialogs/dialogfields.h"
#include "ui/dialogs/editdialog.h"
#include "ui/dialogs/nameroomvalidator.h"
#include "ui_channeldialog.h"

#include <QDialog>
#include <QHash>
#include <QMessageBox>

#include <algorithm>
#include <tuple>
#include <utility>

using namespace DialogFields;

namespace {

// Not kept between dialogs: the names follow the installed translation.
CodeTable serviceTypeNames()
{
    return { { 0, Channel::serviceTypeText(0) }, { 1, Channel::serviceTypeText(1) } };
}

QString transponderText(const Transponder *transponder)
{
    if (!transponder->satellite())
        return transponder->displayText();
    return transponder->satellite()->displayText() + QStringLiteral(" - ") + transponder->displayText();
}

// The store's transponders by satellite, in the order the tree shows the
// satellites, then by frequency; easier to find one in than the file's order.
QList<Transponder *> transpondersBySatellite(const Settings *settings)
{
    if (!settings)
        return {};
    QHash<const Satellite *, qsizetype> satelliteOrder;
    const QList<Satellite *> satellites = settings->satellites();
    for (qsizetype i = 0; i < satellites.size(); ++i)
        satelliteOrder.insert(satellites.at(i), i);
    const auto key = [&satelliteOrder](const Transponder *t) {
        return std::tuple(
            satelliteOrder.value(t->satellite(), satelliteOrder.size()), t->frequency(), t->polarization());
    };
    QList<Transponder *> transponders = settings->transponders();
    std::stable_sort(transponders.begin(), transponders.end(),
        [&key](const Transponder *a, const Transponder *b) { return key(a) < key(b); });
    return transponders;
}

// The object at the chosen position; the current reference when nothing is
// chosen, so that no reference outside the store is ever written.
template<typename T> T *chosen(const QComboBox *comboBox, const QList<T *> &objects, T *current)
{
    const int index = comboBox->currentIndex();
    return index >= 0 && index < objects.size() ? objects.at(index) : current;
}

} // namespace

bool editChannel(QWidget *parent, Channel *channel, Settings *settings)
{
    QDialog dialog(parent);
    Ui::channelDialog form;
    form.setupUi(&dialog);

    // Positions of the combo boxes refer to these copies.
    const QList<Transponder *> transponders = transpondersBySatellite(settings);
    const QList<Provider *> providers = settings ? settings->providers() : QList<Provider *>();

    for (const Provider *provider : providers)
        form.providerComboBox->addItem(provider->displayText());
    for (const Transponder *transponder : transponders)
        form.transponderComboBox->addItem(transponderText(transponder));
    fillComboBox(form.serviceTypeComboBox, serviceTypeNames());

    setNumber(form.serviceIdLineEdit, channel->serviceId(), 0, 65535, &dialog);
    form.providerComboBox->setCurrentIndex(int(providers.indexOf(channel->provider())));
    form.transponderComboBox->setCurrentIndex(int(transponders.indexOf(channel->transponder())));
    setNumber(form.videoPidLineEdit, channel->videoPid(), 0, 8191, &dialog);
    setNumber(form.audioPidLineEdit, channel->audioPid(), 0, 8191, &dialog);
    setNumber(form.pcrPidLineEdit, channel->pcrPid(), 0, 8191, &dialog);
    setNumber(form.pmtPidLineEdit, channel->pmtPid(), 0, 8191, &dialog);
    form.nameLineEdit->setText(channel->name());
    NameRoomValidator::attach(form.nameLineEdit, form.nameRoomLabel, settings, channel);
    selectCode(form.serviceTypeComboBox, serviceTypeNames(), channel->serviceType());

    // Without a transponder the receiver cannot tune to the channel: say so
    // once, then take the user's word for it.
    QObject::disconnect(form.buttonBox, &QDialogButtonBox::accepted, &dialog, nullptr);
    QObject::connect(
        form.buttonBox, &QDialogButtonBox::accepted, &dialog, [&dialog, &form, asked = false]() mutable {
            if (form.transponderComboBox->currentIndex() < 0 && !std::exchange(asked, true)
                && QMessageBox::question(&dialog, dialog.windowTitle(),
                       QCoreApplication::translate("channelDialog",
                           "The channel has no transponder, so a receiver cannot tune to it. Keep it without "
                           "one?"),
                       QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
                    != QMessageBox::Yes) {
                form.transponderComboBox->setFocus(Qt::OtherFocusReason);
                return;
            }
            dialog.accept();
        });

    if (dialog.exec() != QDialog::Accepted)
        return false;

    channel->setServiceId(quint16(number(form.serviceIdLineEdit)));
    channel->setProvider(chosen(form.providerComboBox, providers, channel->provider()));
    channel->setTransponder(chosen(form.transponderComboBox, transponders, channel->transponder()));
    channel->setVideoPid(quint16(number(form.videoPidLineEdit)));
    channel->setAudioPid(quint16(number(form.audioPidLineEdit)));
    channel->setPcrPid(quint16(number(form.pcrPidLineEdit)));
    channel->setPmtPid(quint16(number(form.pmtPidLineEdit)));
    channel->setName(form.nameLineEdit->text());
    // Last, so a channel whose type changed moves to the other block of the
    // channel list only once all its other fields are in place.
    channel->setServiceType(selectedCode(form.serviceTypeComboBox, serviceTypeNames()));
    return true;
}
