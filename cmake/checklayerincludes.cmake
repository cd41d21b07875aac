# cmake -DLAYER=<folder> -DALLOWED=<folders,...> -DSOURCES=<files,...>
#       -DSTAMP=<file> -P checklayerincludes.cmake
# Fails when a source of one layer includes a header from a folder that the
# layer does not link, so that no arrow runs up or sideways unnoticed.
cmake_minimum_required(VERSION 3.20)
string(REPLACE "," ";" allowed "${ALLOWED}")
string(REPLACE "," ";" sources "${SOURCES}")
foreach(source IN LISTS sources)
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z0-9_]+/")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[^\"]*\"([a-z0-9_]+)/.*$" "\\1" folder "${line}")
        if(NOT folder IN_LIST allowed)
            message(FATAL_ERROR "${source}: the layer ${LAYER} includes ${folder}/, "
                "which it does not link (it may include ${ALLOWED})")
        endif()
    endforeach()
endforeach()
file(TOUCH ${STAMP})
