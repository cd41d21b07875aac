kelmora_add_layer(ui
    SOURCES
        ui/settingseditor.h ui/settingseditor.cpp
        ui/editabletreewidget.h ui/editabletreewidget.cpp
        ui/editabletreestate.h ui/editabletreestate.cpp
        ui/editablemimedata.h ui/editablemimedata.cpp
        ui/editdialog.h ui/editdialog.cpp
        ui/satellitedialog.cpp
        ui/transponderdialog.cpp
        ui/channeldialog.cpp
        ui/dialogfields.h ui/dialogfields.cpp
        ui/boundedintvalidator.h ui/boundedintvalidator.cpp
        ui/nameroomvalidator.h ui/nameroomvalidator.cpp
        ui/contextmenukey.h ui/contextmenukey.cpp
        ui/namedstep.h ui/namedstep.cpp
        ui/undohistorydock.h ui/undohistorydock.cpp
        ui/forms/settingseditormainwindow.ui
        ui/forms/satellitedialog.ui
        ui/forms/transponderdialog.ui
        ui/forms/channeldialog.ui
        ui/forms/providerdialog.ui
        ui/forms/favoritegroupdialog.ui
    LINKS kelmora_core kelmora_commands Qt6::Widgets
)
# The channel table and its column dialog.
include(ui/channeltable.cmake)
# Remembered settings, recent files, About box and icon.
include(ui/desktop.cmake)

# Linked into every user of kelmora_ui, so the icons are registered at start
# without an explicit initialisation call.
qt_add_resources(kelmora_ui "icons"
    PREFIX "/icons"
    BASE icons
    FILES icons/fileopen.png icons/filesave.png icons/editdelete.png icons/plus.png
    OPTIONS -no-compress
)
