#include "ui/dialogs/editdialog.h"

#include "model/channel.h"
#include "model/favoritegroup.h"
#include "model/provider.h"
#include "model/satellite.h"
#include "model/transponder.h"
#include "ui/dialogs/dialogfields.h"
#include "ui/dialogs/nameroomvalidator.h"
#include "ui_favoritegroupdialog.h"
#include "ui_providerdialog.h"

#include <QDialog>

namespace {

// Providers and favourite groups carry a name only; their forms differ in
// title alone.
template<typename Form> bool editName(QWidget *parent, NamedEditable *editable, const Settings *settings)
{
    QDialog dialog(parent);
    Form form;
    form.setupUi(&dialog);
    form.nameLineEdit->setText(editable->name());
    NameRoomValidator::attach(form.nameLineEdit, form.nameRoomLabel, settings, editable);
    DialogFields::requireName(form.nameLineEdit, form.buttonBox);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    editable->setName(form.nameLineEdit->text());
    return true;
}

} // namespace

bool editProvider(QWidget *parent, Provider *provider, Settings *settings)
{
    return editName<Ui::providerDialog>(parent, provider, settings);
}

bool editFavoriteGroup(QWidget *parent, FavoriteGroup *group, Settings *settings)
{
    return editName<Ui::favoriteGroupDialog>(parent, group, settings);
}

bool editDialog(QWidget *parent, Editable *editable, Settings *settings)
{
    if (!editable)
        return false;
    switch (editable->typeCode()) {
    case ChannelType:
        return editChannel(parent, static_cast<Channel *>(editable), settings);
    case FavoriteGroupType:
        return editFavoriteGroup(parent, static_cast<FavoriteGroup *>(editable), settings);
    case ProviderType:
        return editProvider(parent, static_cast<Provider *>(editable), settings);
    case SatelliteType:
        return editSatellite(parent, static_cast<Satellite *>(editable), settings);
    case TransponderType:
        return editTransponder(parent, static_cast<Transponder *>(editable), settings);
    default:
        return false;
    }
}
