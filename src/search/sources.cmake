# The matching rule of the channel filter.
kelmora_add_layer(search
    SOURCES
        search/channelmatcher.h search/channelmatcher.cpp
    LINKS kelmora_model
)
