#pragma once

#include <QObject>
#include <QString>

// Type codes on which every per-type branch of the store, the formats and the
// views dispatches. The value 1 belongs to no object.
enum EditableType {
    ChannelType = 0,
    FavoritesRootType = 2,
    FavoriteGroupType = 3,
    ProviderType = 4,
    ProvidersRootType = 5,
    SatelliteType = 6,
    SatellitesRootType = 7,
    TransponderType = 8,
};

// Base of every object of a settings file. Objects have no QObject parent:
// the store owns and deletes them, or the code that created one for a
// dialog the user cancelled.
class Editable : public QObject
{
    Q_OBJECT

public:
    Editable() = default;

    [[nodiscard]] virtual int typeCode() const = 0;
    [[nodiscard]] virtual QString displayText() const = 0;

signals:
    // Always carries the emitting object itself.
    void propertyChanged(Editable *editable);

protected:
    void announceChange() { emit propertyChanged(this); }
};
