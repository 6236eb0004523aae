# Our own code builds without warnings; system headers are included as such.
function(ovelune_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        # Clang's pedantic mode rejects Qt's own logging macros (qCDebug(category) << ...).
        target_compile_options(${target} PRIVATE -Wno-gnu-zero-variadic-macro-arguments)
    endif()
endfunction()
