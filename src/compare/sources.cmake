# Comparing two settings files and copying channels between them.
kelmora_add_layer(compare
    SOURCES
        compare/difference.h compare/difference.cpp
        compare/settingscomparison.h compare/settingscomparison.cpp
        compare/orderchanges.h compare/orderchanges.cpp
        compare/tuningkey.h
        compare/copiedchannel.h compare/copiedchannel.cpp
        compare/channelcopier.h compare/channelcopier.cpp
    # Sideways, one way: copied channels and the comparison match through reference lists.
    LINKS kelmora_formats kelmora_reference
)
