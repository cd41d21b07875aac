# Reading the files a user names and guarding the ones an export replaces.
kelmora_add_layer(files
    SOURCES
        files/inputfile.h files/inputfile.cpp
        files/exporttarget.h files/exporttarget.cpp
    LINKS kelmora_formats
)
