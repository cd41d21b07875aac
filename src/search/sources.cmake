# The matching rule of the channel filter.
target_sources(kelmora_core PRIVATE
    search/channelmatcher.h search/channelmatcher.cpp
)
target_include_directories(kelmora_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
