# How each of Quillmark's libraries is set up: a namespaced alias and export name, the
# project's version and SONAME, hidden symbols with a generated export header, and its
# public headers and targets installed as one component of the package.
include(GenerateExportHeader)
include(GNUInstallDirs)

# Generated headers, and a forwarding header for each public one, so that code built
# against this tree writes <quillmark/barcode.h> as it does against an installed package.
set(QUILLMARK_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)
set(QUILLMARK_GENERATED_DIR ${QUILLMARK_INCLUDE_DIR}/quillmark)

function(quillmark_library target component)
    cmake_parse_arguments(arg "" "OUTPUT_NAME" "HEADERS" ${ARGN})
    add_library(Quillmark::${component} ALIAS ${target})
    set_target_properties(${target} PROPERTIES
        EXPORT_NAME ${component}
        VERSION ${PROJECT_VERSION}
        SOVERSION ${PROJECT_VERSION_MAJOR}
        CXX_VISIBILITY_PRESET hidden
        VISIBILITY_INLINES_HIDDEN ON)
    if(arg_OUTPUT_NAME)
        set_target_properties(${target} PROPERTIES OUTPUT_NAME ${arg_OUTPUT_NAME})
    endif()
    set(base ${target})
    if(arg_OUTPUT_NAME)
        set(base ${arg_OUTPUT_NAME})
    endif()
    set(export_header ${QUILLMARK_GENERATED_DIR}/${base}_export.h)
    generate_export_header(${target} BASE_NAME ${base} EXPORT_FILE_NAME ${export_header})
    if(NOT BUILD_SHARED_LIBS)
        string(TOUPPER ${base} upper)
        target_compile_definitions(${target} PUBLIC ${upper}_STATIC_DEFINE)
    endif()
    # A header in a subfolder (core/engine.h) forwards and installs by its name alone, as
    # the package's headers sit in one folder; the names are kept for the package's check.
    set(names "")
    set(headers_in_source_dir OFF)
    foreach(header ${arg_HEADERS})
        cmake_path(GET header FILENAME name)
        list(APPEND names ${name})
        if(NOT IS_ABSOLUTE ${header})
            file(CONFIGURE OUTPUT ${QUILLMARK_GENERATED_DIR}/${name}
                 CONTENT "#include \"${CMAKE_CURRENT_SOURCE_DIR}/${header}\"\n")
        endif()
        if(header STREQUAL name)
            set(headers_in_source_dir ON)
        endif()
    endforeach()
    set_property(TARGET ${target} PROPERTY QUILLMARK_HEADERS ${names})
    # Consumers write <quillmark/barcode.h>; the headers include each other by bare name.
    # A library whose public headers sit in subfolders (the engine) shows its consumers the
    # forwarding headers alone, so its private headers stay out of their reach.
    if(headers_in_source_dir)
        target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>)
    endif()
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${QUILLMARK_GENERATED_DIR}>
        $<BUILD_INTERFACE:${QUILLMARK_INCLUDE_DIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
        $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/quillmark>)
    install(TARGETS ${target} EXPORT Quillmark${component}Targets
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${arg_HEADERS} ${export_header}
            DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/quillmark)
    install(EXPORT Quillmark${component}Targets NAMESPACE Quillmark::
            DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Quillmark)
endfunction()
