# pavisto_add_subdirectories(a b c): adds each listed folder that already has a
# CMakeLists.txt, so a folder can be filled in without touching its parent.
function(pavisto_add_subdirectories)
    foreach(sub ${ARGN})
        if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/CMakeLists.txt)
            add_subdirectory(${sub})
        endif()
    endforeach()
endfunction()
