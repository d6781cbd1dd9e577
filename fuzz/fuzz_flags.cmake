# The fuzzing build: every library is compiled with coverage for libFuzzer and with
# AddressSanitizer and UndefinedBehaviorSanitizer, so a fault inside the code under
# test stops the fuzzer at the faulting line.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "PAVISTO_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined
                    -fno-omit-frame-pointer)
add_link_options(-fsanitize=address,undefined)
