#pragma once

#include "model/editablewatcher.h"

#include <QByteArray>
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
    // A name field as the file held it: the text it decoded to and the exact
    // bytes it came from, so that an unedited name is written back unchanged.
    struct RememberedName
    {
        QString text;
        QByteArray bytes;

        bool isEmpty() const { return text.isEmpty() && bytes.isEmpty(); }
        bool operator==(const RememberedName &other) const
        {
            return text == other.text && bytes == other.bytes;
        }
    };

    Editable();

    [[nodiscard]] virtual int typeCode() const = 0;
    [[nodiscard]] virtual QString displayText() const = 0;
    // A word for a type code that stays the same in every language and
    // release, for scripts ("channel", "favorite-group").
    [[nodiscard]] static QString typeKey(int typeCode);

    // Never given to another object in this process, unlike an address; a
    // store restored from a snapshot brings its objects back under their ids.
    quint64 id() const { return m_id; }
    // For snapshots only: gives an object made anew from a snapshot the id
    // its original had. Whoever restores ids reserves them (below), so that
    // no later object is given one of them again.
    void restoreId(quint64 id) { m_id = id; }
    // Keeps ids handed out later above this one, which may come from an
    // earlier run of the program.
    static void reserveIdsUpTo(quint64 id);

    // The name this object had in the file it was read from, if any. It
    // belongs to the object alone and ends with it.
    const RememberedName &rememberedName() const { return m_rememberedName; }
    void setRememberedName(const RememberedName &name) { m_rememberedName = name; }

    // Bytes of this object's file record that no property covers; they go
    // back into the file with the record, wherever it is written.
    const QByteArray &reservedBytes() const { return m_reservedBytes; }
    void setReservedBytes(const QByteArray &bytes) { m_reservedBytes = bytes; }

    // Told of every change before propertyChanged is emitted; null until
    // the object joins a store.
    EditableWatcher *watcher() const { return m_watcher; }
    void setWatcher(EditableWatcher *watcher) { m_watcher = watcher; }

signals:
    // Always carries the emitting object itself.
    void propertyChanged(Editable *editable);

protected:
    void announceChange()
    {
        if (m_watcher)
            m_watcher->editablePropertyChanged(this);
        emit propertyChanged(this);
    }

    // Stores the value and announces it, but only when it really differs:
    // a dialog accepted without an edit must not mark the file modified.
    template<typename T, typename V> void change(T &member, const V &value)
    {
        if (member == value)
            return;
        member = value;
        announceChange();
    }

private:
    quint64 m_id;
    EditableWatcher *m_watcher = nullptr;
    RememberedName m_rememberedName;
    QByteArray m_reservedBytes;
};
