# Reference lists, applying another file's order, and export, compiled into kelmora_core.
target_sources(kelmora_core PRIVATE
    reference/referencelist.h reference/referencelist.cpp
    reference/referencelisttext.h reference/referencelisttext.cpp
    reference/referencefile.h reference/referencefile.cpp
    reference/referencematch.h reference/referencematch.cpp
    reference/applyreferenceorder.h reference/applyreferenceorder.cpp
    reference/csvwriter.h reference/csvwriter.cpp
    reference/channelexport.h reference/channelexport.cpp
)
target_include_directories(kelmora_core PUBLIC reference)
