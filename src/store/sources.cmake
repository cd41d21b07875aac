# The store that owns every object of one file.
kelmora_add_layer(store
    SOURCES
        store/settingscapacity.h
        store/storerules.h
        store/capacitycheck.h store/capacitycheck.cpp
        store/storedname.h
        store/channellist.h store/channellist.cpp
        store/settings.h store/settings.cpp
        store/settingssnapshot.h store/settingssnapshot.cpp
        store/channelcolumns.h store/channelcolumns.cpp
    LINKS kelmora_model
)
