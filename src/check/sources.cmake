# The file check: what is wrong with a store, and which channels repeat a service.
kelmora_add_layer(check
    SOURCES
        check/fileproblem.h check/fileproblem.cpp
        check/valuelimits.h
        check/duplicateservices.h check/duplicateservices.cpp
        check/settingschecker.h check/settingschecker.cpp
    LINKS kelmora_store
)
