target_sources(kelmora_ui PRIVATE
    ui/channellistwidget.h ui/channellistwidget.cpp
)
