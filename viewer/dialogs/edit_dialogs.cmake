# The options dialog, the tag editor, the find dialog and the position setup editor,
# with the headless logic they share with their tests.
list(APPEND PAVISTO_DIALOG_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/edit_host.h
    ${CMAKE_CURRENT_LIST_DIR}/speed_text.h ${CMAKE_CURRENT_LIST_DIR}/speed_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tag_lines.h ${CMAKE_CURRENT_LIST_DIR}/tag_lines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_search.h ${CMAKE_CURRENT_LIST_DIR}/game_search.cpp
    ${CMAKE_CURRENT_LIST_DIR}/setup_position.h ${CMAKE_CURRENT_LIST_DIR}/setup_position.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_options.h ${CMAKE_CURRENT_LIST_DIR}/frm_options.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_tag_editor.h ${CMAKE_CURRENT_LIST_DIR}/frm_tag_editor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_find.h ${CMAKE_CURRENT_LIST_DIR}/frm_find.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_setup.h ${CMAKE_CURRENT_LIST_DIR}/frm_setup.cpp
)
