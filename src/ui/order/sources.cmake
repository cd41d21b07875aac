# The channel table's order tools.
target_sources(kelmora_ui PRIVATE
    ui/order/channelorderactions.h ui/order/channelorderactions.cpp
)
target_include_directories(kelmora_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
