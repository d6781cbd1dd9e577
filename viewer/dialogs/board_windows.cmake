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

# The variation board reuses the main window's text rules (game_text). The main window
# links these windows in turn; static libraries may depend on each other both ways, and
# the link is added once the library exists, at the end of this folder.
cmake_language(DEFER CALL target_link_libraries pavisto_dialogs PUBLIC pavisto_mainwindow)
