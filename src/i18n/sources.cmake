# The translations of every message, with the class that installs them,
# below the window so that the command-line tool speaks the
# user's language as the editor does without linking any widget. Each
# translation is built in, as :/i18n/<name>.qm. The target
# update_translations brings the .ts files up to date with the code.
kelmora_add_layer(i18n
    SOURCES
        i18n/applicationtranslator.h i18n/applicationtranslator.cpp
    LINKS Qt6::Core
)

# Every string shown to the user, wherever in src/ it is written.
file(GLOB_RECURSE kelmora_translated_sources CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h ${PROJECT_SOURCE_DIR}/src/*.ui)
qt_add_translations(kelmora_i18n
    TS_FILES ${PROJECT_SOURCE_DIR}/translations/kelmora-settings-editor_de.ts
    SOURCES ${kelmora_translated_sources}
    RESOURCE_PREFIX /i18n
)
