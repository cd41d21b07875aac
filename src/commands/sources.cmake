# The undo history: every change to a store recorded as one step per user
# action. Its own library, so that the history is tested without widgets;
# QtGui for QUndoStack.
kelmora_add_layer(commands
    SOURCES
        commands/keptobjects.h commands/keptobjects.cpp
        commands/recordbook.h commands/recordbook.cpp
        commands/stepdescription.h commands/stepdescription.cpp
        commands/deletionsummary.h commands/deletionsummary.cpp
        commands/settingshistory.h commands/settingshistory.cpp
    LINKS kelmora_snapshot Qt6::Gui
)
