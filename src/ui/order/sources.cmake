# The channel table's order tools.
target_sources(kelmora_ui PRIVATE
    ui/order/channelorderactions.h ui/order/channelorderactions.cpp
)
