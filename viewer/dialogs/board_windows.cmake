# The variation board, the help viewer and the About box, with the game text that
# printing and the clipboard share.
list(APPEND PAVISTO_DIALOG_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/variation_host.h
    ${CMAKE_CURRENT_LIST_DIR}/frm_variation.h ${CMAKE_CURRENT_LIST_DIR}/frm_variation.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game_print_text.h ${CMAKE_CURRENT_LIST_DIR}/game_print_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_text.h ${CMAKE_CURRENT_LIST_DIR}/help_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_help.h ${CMAKE_CURRENT_LIST_DIR}/frm_help.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frm_about.h ${CMAKE_CURRENT_LIST_DIR}/frm_about.cpp
)

