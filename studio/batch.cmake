# The Batch view: tables and sequences of records, their rows' statuses, and sheets of labels.
list(APPEND QUILLMARK_STUDIO_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/batch_files_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/batch_records.cpp
    ${CMAKE_CURRENT_LIST_DIR}/batch_row_status.cpp
    ${CMAKE_CURRENT_LIST_DIR}/batch_rows_model.cpp
    ${CMAKE_CURRENT_LIST_DIR}/batch_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheet_preview.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheet_template_list.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sheet_writer.cpp
)
list(APPEND QUILLMARK_STUDIO_TEST_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/../tests/studio/batch_view_test.cpp
)
