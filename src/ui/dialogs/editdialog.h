#pragma once

class Channel;
class Editable;
class FavoriteGroup;
class Provider;
class QWidget;
class Satellite;
class Settings;
class Transponder;

// Modal edit dialogs. Each writes the fields back through the object's
// setters when accepted and returns whether it was accepted.
bool editSatellite(QWidget *parent, Satellite *satellite, Settings *settings);
bool editTransponder(QWidget *parent, Transponder *transponder, Settings *settings);
bool editChannel(QWidget *parent, Channel *channel, Settings *settings);
bool editProvider(QWidget *parent, Provider *provider, Settings *settings);
bool editFavoriteGroup(QWidget *parent, FavoriteGroup *group, Settings *settings);
// Opens the dialog that fits the object's type; false for objects without one.
bool editDialog(QWidget *parent, Editable *editable, Settings *settings);
