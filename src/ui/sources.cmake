add_library(kelmora_ui STATIC
    ui/settingseditor.h ui/settingseditor.cpp
    ui/editdialog.h ui/editdialog.cpp
    ui/editablemimedata.h ui/editablemimedata.cpp
)
# The channel table and its column dialog.
include(ui/channeltable.cmake)
target_include_directories(kelmora_ui PUBLIC ui)
target_link_libraries(kelmora_ui PUBLIC kelmora_core Qt6::Widgets)
