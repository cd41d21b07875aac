# Recovery copies of unsaved changes, kept while the editor runs and
# offered again after a crash.
kelmora_add_layer(recovery
    SOURCES
        recovery/recoverycopy.h recovery/recoverycopy.cpp
        recovery/recoverykeeper.h recovery/recoverykeeper.cpp
        recovery/recoveryfolder.h recovery/recoveryfolder.cpp
    # Sideways, one way: a recovery copy records the file stamp that saving/ keeps.
    LINKS kelmora_formats kelmora_snapshot kelmora_saving
)
