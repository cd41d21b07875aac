# The list that shows the result of a file check.
target_sources(kelmora_ui PRIVATE
    ui/check/problemlistwidget.h ui/check/problemlistwidget.cpp
)
target_include_directories(kelmora_ui PUBLIC ${CMAKE_CURRENT_LIST_DIR})
