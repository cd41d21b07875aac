# The order tools' new orders, and the keys they sort channels by.
target_sources(kelmora_core PRIVATE
    order/channelorder.h order/channelorder.cpp
    order/channelsorter.h order/channelsorter.cpp
)
target_include_directories(kelmora_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
