# The file check: what is wrong with a store, and which channels repeat a service.
target_sources(kelmora_core PRIVATE
    check/fileproblem.h check/fileproblem.cpp
    check/valuelimits.h
    check/duplicateservices.h check/duplicateservices.cpp
    check/settingschecker.h check/settingschecker.cpp
)
target_include_directories(kelmora_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
