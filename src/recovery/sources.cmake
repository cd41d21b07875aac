# Recovery copies of unsaved changes, kept while the editor runs and
# offered again after a crash; compiled into kelmora_core.
target_sources(kelmora_core PRIVATE
    recovery/recoverycopy.h recovery/recoverycopy.cpp
    recovery/recoverykeeper.h recovery/recoverykeeper.cpp
    recovery/recoveryfolder.h recovery/recoveryfolder.cpp
)
target_include_directories(kelmora_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
