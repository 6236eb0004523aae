# Our own code builds without warnings; system headers are included as such.
function(ovelune_target_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
