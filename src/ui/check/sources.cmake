# The file check in the window: its problem list and the controller that runs it.
target_sources(kelmora_ui PRIVATE
    ui/check/problemlistwidget.h ui/check/problemlistwidget.cpp
    ui/check/filecheckcontroller.h ui/check/filecheckcontroller.cpp
)
