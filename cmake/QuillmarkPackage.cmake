# The installed package: CMake config and version files, and pkg-config files.
include(CMakePackageConfigHelpers)
include(GNUInstallDirs)

set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Quillmark)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/QuillmarkConfig.cmake.in
    ${PROJECT_BINARY_DIR}/QuillmarkConfig.cmake INSTALL_DESTINATION ${config_dir}
    PATH_VARS QUILLMARK_QML_DIR)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QuillmarkConfigVersion.cmake
    VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/QuillmarkConfig.cmake
              ${PROJECT_BINARY_DIR}/QuillmarkConfigVersion.cmake
        DESTINATION ${config_dir})

# pkg-config files find the prefix from where they lie, so they hold wherever it is.
set(pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH QUILLMARK_PC_PREFIX /prefix/${pc_dir} /prefix)
function(quillmark_pkgconfig name description target requires)
    set(QUILLMARK_PC_NAME ${name})
    set(QUILLMARK_PC_DESCRIPTION ${description})
    set(QUILLMARK_PC_REQUIRES ${requires})
    set(QUILLMARK_PC_LIBS -l$<TARGET_FILE_BASE_NAME:${target}>)
    set(QUILLMARK_PC_CFLAGS "")
    if(NOT BUILD_SHARED_LIBS)
        string(TOUPPER ${target} upper)
        set(QUILLMARK_PC_CFLAGS -D${upper}_STATIC_DEFINE)
    endif()
    string(TOLOWER ${name} file)
    string(REPLACE " " "-" file ${file})
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/quillmark.pc.in
                   ${PROJECT_BINARY_DIR}/${file}.pc.in @ONLY)
    file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/${file}.pc
         INPUT ${PROJECT_BINARY_DIR}/${file}.pc.in)
    install(FILES ${PROJECT_BINARY_DIR}/${file}.pc DESTINATION ${pc_dir})
endfunction()

quillmark_pkgconfig("Quillmark Engine" "Barcode symbology engine, no Qt" quillmark_engine "")
if(TARGET quillmark_render)
    quillmark_pkgconfig("Quillmark Render" "Barcode renderer on any QPainter"
                        quillmark_render "quillmark-engine Qt6Gui")
endif()
if(TARGET quillmark_control)
    quillmark_pkgconfig("Quillmark Widgets" "The TBarCode barcode widget" quillmark_control
                        "quillmark-render quillmark-matrix Qt6Widgets")
endif()
if(TARGET quillmark_verify)
    quillmark_pkgconfig("Quillmark Verify" "Reading barcodes back with zxing-cpp"
                        quillmark_verify "quillmark-engine zxing")
endif()
if(TARGET quillmark_matrix)
    quillmark_pkgconfig("Quillmark Matrix" "QR Code and Data Matrix module grids"
                        quillmark_matrix "quillmark-engine libqrencode libdmtx")
endif()
if(TARGET quillmark_layout)
    quillmark_pkgconfig("Quillmark Layout" "Barcodes at a physical size, their checks and pictures"
                        quillmark_layout "quillmark-render quillmark-matrix Qt6Gui")
endif()
if(TARGET quillmark_output)
    quillmark_pkgconfig("Quillmark Output" "Barcode files, clipboard data and printing"
                        quillmark_output "quillmark-layout Qt6Gui Qt6Svg zlib")
endif()
