# Warnings for our own targets; sanitizers for the whole build when asked.
function(rumbelo_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local)
    if(RUMBELO_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

if(RUMBELO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
