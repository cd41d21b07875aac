# Reference lists, applying another file's order, and export.
kelmora_add_layer(reference
    SOURCES
        reference/referencelist.h reference/referencelist.cpp
        reference/referencelisttext.h reference/referencelisttext.cpp
        reference/referencefile.h reference/referencefile.cpp
        reference/referencematch.h reference/referencematch.cpp
        reference/applyreferenceorder.h reference/applyreferenceorder.cpp
        reference/csvwriter.h reference/csvwriter.cpp
        reference/channelexport.h reference/channelexport.cpp
        reference/exporttarget.h reference/exporttarget.cpp
    LINKS kelmora_formats kelmora_files
)
