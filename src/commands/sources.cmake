# The undo history: every change to a store recorded as one step per user
# action. Its own library, so that the history is tested without widgets.
add_library(kelmora_commands STATIC
    commands/settingsoutline.h commands/settingsoutline.cpp
    commands/committedstate.h commands/committedstate.cpp
    commands/stepdescription.h commands/stepdescription.cpp
    commands/deletionsummary.h commands/deletionsummary.cpp
    commands/settingshistory.h commands/settingshistory.cpp
)
target_include_directories(kelmora_commands PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(kelmora_commands PUBLIC kelmora_core Qt6::Gui)

# The window's view of the history.
target_sources(kelmora_ui PRIVATE commands/undohistorydock.h commands/undohistorydock.cpp)
