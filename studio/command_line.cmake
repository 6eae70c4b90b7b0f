# The "Command line" pane's command: quillmark-cli's names, ranges and option scopes come from
# its library, so that the command and the program never disagree.
list(APPEND QUILLMARK_STUDIO_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
    ${CMAKE_CURRENT_LIST_DIR}/command_line.h)
list(APPEND QUILLMARK_STUDIO_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/../tests/studio/command_line_test.cpp)
if(TARGET quillmark_studio)
    target_sources(quillmark_studio PRIVATE
        ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
        ${CMAKE_CURRENT_LIST_DIR}/command_line.h)
    target_link_libraries(quillmark_studio PUBLIC quillmark_cli_lib)
endif()
