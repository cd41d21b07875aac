# The settings file formats, compiled into kelmora_core.
target_sources(kelmora_core PRIVATE
    formats/recognizesettings.h formats/recognizesettings.cpp
    formats/kelmoralayout.h
    formats/kelmoranamecodec.h formats/kelmoranamecodec.cpp
    formats/settingsflatbinary.h formats/settingsflatbinary.cpp
    formats/settingskelmora.h formats/settingskelmora.cpp
    formats/settingskelmora2xx.h formats/settingskelmora2xx.cpp
    formats/settingskelmorahd.h formats/settingskelmorahd.cpp
)
