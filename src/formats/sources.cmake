# The settings file formats.
kelmora_add_layer(formats
    SOURCES
        formats/recognizesettings.h formats/recognizesettings.cpp
        formats/kelmoralayout.h formats/kelmoralayout.cpp
        formats/kelmoranamecodec.h formats/kelmoranamecodec.cpp
        formats/flatimage.h formats/flatimage.cpp
        formats/kelmoracodes.h formats/kelmoracodes.cpp
        formats/kelmoranames.h formats/kelmoranames.cpp
        formats/kelmorarecords.h formats/kelmorarecords.cpp
        formats/kelmoraloader.h formats/kelmoraloader.cpp
        formats/kelmorawriter.h formats/kelmorawriter.cpp
        formats/kelmoraprovidermerge.h formats/kelmoraprovidermerge.cpp
        formats/settingsflatbinary.h formats/settingsflatbinary.cpp
        formats/settingskelmora.h formats/settingskelmora.cpp
        formats/settingskelmora2xx.h
        formats/settingskelmorahd.h
    LINKS kelmora_store kelmora_files Qt6::Core5Compat
)
