# Saving with a backup, an atomic write and a check of what was written,
# compiled into kelmora_core.
target_sources(kelmora_core PRIVATE
    saving/filestamp.h saving/filestamp.cpp
    saving/fileownership.h saving/fileownership.cpp
    saving/safesaver.h saving/safesaver.cpp
)
target_include_directories(kelmora_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
