# What the editor remembers between runs, its recent files, its About box,
# its icon and its translations.
target_sources(kelmora_ui PRIVATE
    ui/recentfiles.h ui/recentfiles.cpp
    ui/windowsettings.h ui/windowsettings.cpp
    ui/pendingsettings.h ui/pendingsettings.cpp
    ui/aboutbox.h ui/aboutbox.cpp
    ui/applicationtranslator.h ui/applicationtranslator.cpp
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

# Each translation is built into the library, as :/i18n/<name>.qm. The
# target update_translations brings the .ts files up to date with the code.
# Every string shown to the user, wherever in src/ it is written.
file(GLOB_RECURSE kelmora_translated_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.ui)
qt_add_translations(kelmora_ui
    TS_FILES ${PROJECT_SOURCE_DIR}/translations/kelmora-settings-editor_de.ts
    SOURCES ${kelmora_translated_sources}
    RESOURCE_PREFIX /i18n
)
