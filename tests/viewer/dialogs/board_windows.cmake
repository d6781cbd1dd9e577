# The variation board, help viewer and About box, and the main window's print,
# clipboard, board bitmap and text editor commands.
pavisto_add_test(board_windows_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/board_windows_fixture.h
        ${CMAKE_CURRENT_LIST_DIR}/help_text_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/help_window_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/variation_board_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/print_and_clipboard_test.cpp
    LIBS pavisto_mainwindow pavisto_dialogs Qt6::Test Qt6::PrintSupport)
# The window tests load the board control plugin from the build's program folder and
# read the shipped help file from its source.
target_compile_definitions(board_windows_tests PRIVATE
    PAVISTO_PLUGIN_DIR="${PAVISTO_OUTPUT_DIR}"
    PAVISTO_HELP_FILE="${CMAKE_SOURCE_DIR}/resources/help/pvshelp.txt")
if(TARGET tolvar)
    add_dependencies(board_windows_tests tolvar)
endif()
