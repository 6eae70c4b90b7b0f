# Installs the build into a fresh prefix and checks the engine's headers there: the public
# ones (PUBLIC, "|"-separated names) each in the one include folder as its source file, the
# private ones absent, and no folder below the include folder.
#   cmake -DBUILD=... -DPREFIX=... -DSOURCE=<engine folder> -DPUBLIC=a.h|b.h -P installed_headers.cmake
cmake_minimum_required(VERSION 3.25)
string(REPLACE "|" ";" public "${PUBLIC}")
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "Installing ${BUILD} failed")
endif()
set(include ${PREFIX}/include/quillmark)

file(GLOB entries LIST_DIRECTORIES true ${include}/*)
foreach(entry ${entries})
    if(IS_DIRECTORY ${entry})
        message(SEND_ERROR "A folder among the installed headers: ${entry}")
    endif()
endforeach()

file(GLOB_RECURSE headers ${SOURCE}/*.h)
foreach(header ${headers})
    cmake_path(GET header FILENAME name)
    if(name IN_LIST public)
        if(NOT EXISTS ${include}/${name})
            message(SEND_ERROR "Public header not installed: ${name}")
            continue()
        endif()
        file(READ ${header} written)
        file(READ ${include}/${name} installed)
        if(NOT written STREQUAL installed)
            message(SEND_ERROR "Installed ${name} is not the engine's ${header}")
        endif()
    elseif(EXISTS ${include}/${name})
        message(SEND_ERROR "Private header installed: ${name}")
    endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
