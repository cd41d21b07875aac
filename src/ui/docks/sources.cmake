# Panes beside the table that belong to no feature folder.
target_sources(kelmora_ui PRIVATE
    ui/docks/undohistorydock.h ui/docks/undohistorydock.cpp
)
