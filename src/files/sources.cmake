# Reading the files a user names and guarding the ones an export replaces,
# compiled into kelmora_core.
target_sources(kelmora_core PRIVATE
    files/inputfile.h files/inputfile.cpp
    files/exporttarget.h files/exporttarget.cpp
)
target_include_directories(kelmora_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
