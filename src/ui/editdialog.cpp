#include "editdialog.h"

#include "channel.h"
#include "favoritegroup.h"
#include "provider.h"
#include "satellite.h"
#include "transponder.h"
#include "ui_favoritegroupdialog.h"
#include "ui_providerdialog.h"

#include <QDialog>

bool editProvider(QWidget *parent, Provider *provider, Settings *)
{
    QDialog dialog(parent);
    Ui::providerDialog form;
    form.setupUi(&dialog);
    form.nameLineEdit->setText(provider->name());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    provider->setName(form.nameLineEdit->text());
    return true;
}

bool editFavoriteGroup(QWidget *parent, FavoriteGroup *group, Settings *)
{
    QDialog dialog(parent);
    Ui::favoriteGroupDialog form;
    form.setupUi(&dialog);
    form.nameLineEdit->setText(group->name());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    group->setName(form.nameLineEdit->text());
    return true;
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
