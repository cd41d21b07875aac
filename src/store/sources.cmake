# The store that owns every object of one file.
kelmora_add_layer(store
    SOURCES
        store/settingscapacity.h
        store/storerules.h
        store/capacitycheck.h store/capacitycheck.cpp
        store/storedname.h
        store/channellist.h store/channellist.cpp
        store/storelists.h
        store/storelistschange.h store/storelistschange.cpp
        store/editablekeeper.h
        store/removalscope.h
        store/settings.h store/settings.cpp
        store/channelcolumns.h store/channelcolumns.cpp
    LINKS kelmora_model
)
