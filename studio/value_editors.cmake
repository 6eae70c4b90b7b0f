# The value editors that fit a type: the GS1 AI table and the digits editor, with their tests.
list(APPEND QUILLMARK_STUDIO_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/digits_editor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/digits_editor.h
    ${CMAKE_CURRENT_LIST_DIR}/digits_rules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/digits_rules.h
    ${CMAKE_CURRENT_LIST_DIR}/gs1_editor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gs1_editor.h
    ${CMAKE_CURRENT_LIST_DIR}/gs1_rows.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gs1_rows.h)
list(APPEND QUILLMARK_STUDIO_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/../tests/studio/digits_editor_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../tests/studio/gs1_editor_test.cpp)
