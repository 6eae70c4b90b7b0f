# Checks that data flows down: a folder of the tree includes headers of the folders before it
# in FOLDERS ("|"-separated, lowest first) and of none after it.
#   cmake -DSOURCE=<checkout> -DFOLDERS=engine|verify|... -P layering.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" folders "${FOLDERS}")

# Which folder each header name belongs to.
foreach(folder ${folders})
    file(GLOB_RECURSE headers RELATIVE ${SOURCE}/${folder} ${SOURCE}/${folder}/*.h)
    foreach(header ${headers})
        cmake_path(GET header FILENAME name)
        set(owner_${name} ${folder})
        set(in_${folder}_${name} ON)
    endforeach()
endforeach()

set(below "")
set(crossings 0)
foreach(folder ${folders})
    file(GLOB_RECURSE sources ${SOURCE}/${folder}/*.cpp ${SOURCE}/${folder}/*.h)
    foreach(source ${sources})
        file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
        foreach(line ${includes})
            if(NOT line MATCHES "include[ \t]*[<\"](quillmark/)?([^>\"/]+)[>\"]")
                continue()
            endif()
            set(name ${CMAKE_MATCH_2})
            set(owner "${owner_${name}}")
            # A name the folder has itself is its own header (two programs may each have a
            # messages.h).
            if(owner AND NOT in_${folder}_${name})
                math(EXPR crossings "${crossings} + 1")
                if(NOT owner IN_LIST below)
                    message(SEND_ERROR "${source} includes ${name} of ${owner}/, a folder above it")
                endif()
            endif()
        endforeach()
    endforeach()
    list(APPEND below ${folder})
endforeach()
# A check that finds no include across folders would pass whatever the tree does.
if(crossings EQUAL 0)
    message(FATAL_ERROR "No include from one folder to another was found under ${SOURCE}")
endif()
message(STATUS "${crossings} includes across folders, all downward")
