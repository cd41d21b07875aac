# Comparing two settings files and copying channels between them, compiled into kelmora_core.
target_sources(kelmora_core PRIVATE
    compare/difference.h compare/difference.cpp
    compare/settingscomparison.h compare/settingscomparison.cpp
    compare/orderchanges.h compare/orderchanges.cpp
    compare/tuningkey.h
    compare/copiedchannel.h compare/copiedchannel.cpp
    compare/channelcopier.h compare/channelcopier.cpp
)
target_include_directories(kelmora_core PUBLIC compare)
