# Every target of ours gets the same strict warnings and, in the asan preset, the sanitizers.
add_compile_options(-Wall -Wextra -Werror)
if(TESSARO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
