# The order tools' new orders, and the keys they sort channels by.
kelmora_add_layer(order
    SOURCES
        order/channelorder.h order/channelorder.cpp
        order/channelsorter.h order/channelsorter.cpp
    # Sideways, one way: sorting by name folds names as the filter does.
    LINKS kelmora_model kelmora_search
)
