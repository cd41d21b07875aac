# The snapshot format: a store's whole content, or one object's record, in a
# compact byte form, for the undo history and the recovery copies.
kelmora_add_layer(snapshot
    SOURCES
        snapshot/snapshotencoding.h
        snapshot/snapshotwriter.h
        snapshot/snapshotreader.h
        snapshot/snapshotrecords.h snapshot/snapshotrecords.cpp
        snapshot/settingssnapshot.h snapshot/settingssnapshot.cpp
    LINKS kelmora_store
)
