#include "editdialog.h"

// Placeholders until the dialogs land.
bool editSatellite(QWidget *, Satellite *, Settings *) { return false; }
bool editTransponder(QWidget *, Transponder *, Settings *) { return false; }
bool editChannel(QWidget *, Channel *, Settings *) { return false; }
bool editProvider(QWidget *, Provider *, Settings *) { return false; }
bool editFavoriteGroup(QWidget *, FavoriteGroup *, Settings *) { return false; }
bool editDialog(QWidget *, Editable *, Settings *) { return false; }
