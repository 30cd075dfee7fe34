add_library(quillet_options INTERFACE)
target_compile_options(quillet_options INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>
    $<$<CXX_COMPILER_ID:MSVC>:/W4>)

# The fuzz build instruments every library for libFuzzer's coverage and checks it
# with the same sanitizers; only the fuzz targets themselves link libFuzzer's main.
if(QUILLET_BUILD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUILLET_BUILD_FUZZ needs clang (CXX=clang++), found ${CMAKE_CXX_COMPILER_ID}")
    endif()
    list(PREPEND QUILLET_SANITIZE fuzzer-no-link)
    list(APPEND QUILLET_SANITIZE address undefined)
    list(REMOVE_DUPLICATES QUILLET_SANITIZE)
endif()

if(QUILLET_SANITIZE)
    list(JOIN QUILLET_SANITIZE "," _quillet_san)
    target_compile_options(quillet_options INTERFACE
        -fsanitize=${_quillet_san} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(quillet_options INTERFACE -fsanitize=${_quillet_san})

    # Every sanitized program carries its runtime options and the leak suppressions,
    # so a test run by hand behaves as under ctest; *SAN_OPTIONS still override them.
    set(QUILLET_LSAN_SUPPRESSIONS "${PROJECT_SOURCE_DIR}/tests/sanitizers/lsan.supp")
    # Full unwinding lets the suppressions see library frames below Qt's allocations in
    # the GUI tests, at about three times their run time; the fuzzers, which load no
    # GUI library, keep the fast unwinder for eight times the executions.
    if(QUILLET_BUILD_FUZZ)
        set(QUILLET_LSAN_FAST_UNWIND 1)
    else()
        set(QUILLET_LSAN_FAST_UNWIND 0)
    endif()
    configure_file(${CMAKE_CURRENT_LIST_DIR}/SanitizerDefaults.cpp.in
                   ${CMAKE_BINARY_DIR}/generated/SanitizerDefaults.cpp @ONLY)
    target_sources(quillet_options INTERFACE
        $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:${CMAKE_BINARY_DIR}/generated/SanitizerDefaults.cpp>)
endif()
