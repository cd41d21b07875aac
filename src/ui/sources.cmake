add_library(kelmora_ui STATIC
    ui/settingseditor.h ui/settingseditor.cpp
)
target_include_directories(kelmora_ui PUBLIC ui)
target_link_libraries(kelmora_ui PUBLIC kelmora_core Qt6::Widgets)
