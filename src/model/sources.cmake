# The objects of a settings file and their properties.
kelmora_add_layer(model
    SOURCES
        model/editable.h model/editable.cpp
        model/editablewatcher.h
        model/rooteditable.h model/rooteditable.cpp
        model/namededitable.h model/namededitable.cpp
        model/satellite.h model/satellite.cpp
        model/transponder.h model/transponder.cpp
        model/provider.h model/provider.cpp
        model/favoritegroup.h model/favoritegroup.cpp
        model/channel.h model/channel.cpp
    LINKS Qt6::Core
)
