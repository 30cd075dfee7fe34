add_library(quillet_options INTERFACE)
target_compile_options(quillet_options INTERFACE
    $<$<CXX_COMPILER_ID:GNU,Clang>:-Wall -Wextra -Wpedantic>
    $<$<CXX_COMPILER_ID:MSVC>:/W4>)

if(QUILLET_SANITIZE)
    list(JOIN QUILLET_SANITIZE "," _quillet_san)
    target_compile_options(quillet_options INTERFACE
        -fsanitize=${_quillet_san} -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(quillet_options INTERFACE -fsanitize=${_quillet_san})
endif()
