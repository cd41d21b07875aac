# Reading the files a user names: regular files only, bounded.
kelmora_add_layer(files
    SOURCES
        files/inputfile.h files/inputfile.cpp
    LINKS Qt6::Core
)
