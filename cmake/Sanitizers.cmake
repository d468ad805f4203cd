# -DQUORVANE_SANITIZE=ON builds the game, the tests and the benchmark with AddressSanitizer
# (leaks included) and UndefinedBehaviorSanitizer. Any report ends the process with a failure,
# so a test that trips one fails.
option(QUORVANE_SANITIZE "Build everything with AddressSanitizer and UndefinedBehaviorSanitizer"
       OFF)

if(QUORVANE_SANITIZE)
    set(QUORVANE_SANITIZER_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=all
                                 -fno-omit-frame-pointer)
    add_compile_options(${QUORVANE_SANITIZER_FLAGS})
    add_link_options(${QUORVANE_SANITIZER_FLAGS})
    # The sanitizers' default options and the library leaks they pass over, linked into every
    # target defined after this point.
    add_library(quorvane_sanitizer_defaults OBJECT ${CMAKE_CURRENT_LIST_DIR}/sanitizerDefaults.cpp)
    link_libraries(quorvane_sanitizer_defaults)
endif()
