# The settings file formats, compiled into kelmora_core.
target_sources(kelmora_core PRIVATE
    formats/recognizesettings.h formats/recognizesettings.cpp
)
