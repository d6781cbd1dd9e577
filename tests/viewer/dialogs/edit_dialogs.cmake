# The options dialog, tag editor, find dialog and position setup editor: their headless
# logic, and the windows driven over a main window with scripted prompts.
pavisto_add_test(edit_dialogs_tests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/dialog_logic_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/edit_windows_fixture.h
        ${CMAKE_CURRENT_LIST_DIR}/options_window_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/tag_editor_window_test.cpp
        ${CMAKE_CURRENT_LIST_DIR}/find_and_setup_window_test.cpp
    LIBS pavisto_mainwindow Qt6::Test)
# The window tests load the board control plugin from the build's program folder.
target_compile_definitions(edit_dialogs_tests PRIVATE PAVISTO_PLUGIN_DIR="${PAVISTO_OUTPUT_DIR}")
if(TARGET tolvar)
    add_dependencies(edit_dialogs_tests tolvar)
endif()
