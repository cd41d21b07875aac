kelmora_add_layer(ui
    SOURCES
        ui/settingseditor.h ui/settingseditor.cpp
        ui/editabletreewidget.h ui/editabletreewidget.cpp
        ui/editabletreeitems.h ui/editabletreeitems.cpp
        ui/editabletreestate.h ui/editabletreestate.cpp
        ui/editablemimedata.h ui/editablemimedata.cpp
        ui/contextmenukey.h ui/contextmenukey.cpp
        ui/editableviewgestures.h ui/editableviewgestures.cpp
        ui/namedstep.h ui/namedstep.cpp
        ui/forms/settingseditormainwindow.ui
    LINKS kelmora_core kelmora_commands Qt6::Widgets
)
# The channel table.
include(ui/channeltable.cmake)
# Remembered settings, recent files and icon.
include(ui/desktop.cmake)

# Linked into every user of kelmora_ui, so the icons are registered at start
# without an explicit initialisation call.
qt_add_resources(kelmora_ui "icons"
    PREFIX "/icons"
    BASE icons
    FILES icons/fileopen.png icons/filesave.png icons/editdelete.png icons/plus.png
    OPTIONS -no-compress
)
