# Saving with a backup, an atomic write and a check of what was written.
kelmora_add_layer(saving
    SOURCES
        saving/filestamp.h saving/filestamp.cpp
        saving/fileownership.h saving/fileownership.cpp
        saving/safesaver.h saving/safesaver.cpp
    LINKS kelmora_formats
)
