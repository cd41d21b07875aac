# What the editor remembers between runs, its recent files and its icon.
target_sources(kelmora_ui PRIVATE
    ui/recentfiles.h ui/recentfiles.cpp
    ui/windowstate.h ui/windowstate.cpp
    ui/pendingpreferences.h ui/pendingpreferences.cpp
)

set(kelmora_icon_files)
foreach(size 16 22 24 32 48 64 128 256)
    list(APPEND kelmora_icon_files
        ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/kelmora-settings-editor.png)
endforeach()
qt_add_resources(kelmora_ui "appicon"
    PREFIX "/appicon"
    BASE ${PROJECT_SOURCE_DIR}/data/icons/hicolor
    FILES ${kelmora_icon_files}
    OPTIONS -no-compress
)
