target_sources(kelmora_ui PRIVATE
    ui/channellistwidget.h ui/channellistwidget.cpp
    ui/channeltableactions.h ui/channeltableactions.cpp
    ui/channeltablemodel.h ui/channeltablemodel.cpp
    ui/channelcelldelegate.h ui/channelcelldelegate.cpp
    ui/channelfilterfield.h ui/channelfilterfield.cpp
)
