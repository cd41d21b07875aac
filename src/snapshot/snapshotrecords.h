#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <functional>
#include <optional>

class Channel;
class Editable;
class NamedEditable;
class Satellite;
class SnapshotReader;
class SnapshotWriter;
class Transponder;

// The record of each kind of object, written and read alike for a whole
// snapshot and for one object. A record refers to other objects by a number
// that its writer chose (a list position in a whole snapshot, an id in the
// undo history); 0 is always "none".
class SnapshotRecords
{
public:
    // The object of the kind given that a reference number stands for, or
    // nothing for a number that stands for none the reader knows.
    using Resolve = std::function<std::optional<Editable *>(int type, quint64 reference)>;

    static void writeSatellite(SnapshotWriter &out, const Satellite *x);
    static void readSatellite(SnapshotReader &in, Satellite *x);
    static void writeTransponder(SnapshotWriter &out, const Transponder *x, quint64 satellite);
    static void readTransponder(SnapshotReader &in, Transponder *x, const Resolve &resolve);
    // Providers and favourite groups: a name is all they have of their own.
    static void writeNamed(SnapshotWriter &out, const NamedEditable *x);
    static void readNamed(SnapshotReader &in, NamedEditable *x);
    static void writeChannel(SnapshotWriter &out, const Channel *x, quint64 provider, quint64 transponder);
    static void readChannel(SnapshotReader &in, Channel *x, const Resolve &resolve);

    // What a record says of its object, read without making one: the name
    // as written (equal names are equal bytes), the reference numbers it
    // holds (0 for none), and the rest of its own properties as written.
    struct View
    {
        QByteArrayView name;
        // A transponder's satellite or a channel's provider.
        quint64 owner = 0;
        // A channel's transponder.
        quint64 transponder = 0;
        QByteArrayView properties;
    };
    // Reads a record of the kind given up to where the properties that refer
    // to nothing begin; false for bytes that are no record of that kind.
    static bool readView(SnapshotReader &in, int type, View &view);
    // Empty for bytes that are no record of that kind.
    static std::optional<View> view(int type, QByteArrayView record);

    // One object's record on its own, referring to other objects by id, so
    // that it stays true however the store's lists change; empty for an
    // object that has none (a root).
    [[nodiscard]] static QByteArray recordOf(const Editable &object);
    // The same, written where the writer stands.
    static void writeRecordOf(SnapshotWriter &out, const Editable &object);
    // Gives the object the properties of a record that recordOf took, the
    // objects it refers to found by id among objects. Returns false for
    // bytes that are no record of the object's kind or refer to an object
    // not among them, which may have changed the object in part.
    [[nodiscard]] static bool applyRecord(
        Editable &object, QByteArrayView record, const QHash<quint64, Editable *> &objects);
};
