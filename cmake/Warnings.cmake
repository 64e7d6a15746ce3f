# SPDX-License-Identifier: GPL-3.0-or-later
# Every target of ours gets the same strict warnings and, in the asan preset, the sanitizers.
# Warnings become errors only with TESSARO_WERROR, which the developer presets turn on: a
# release build with another compiler, whose new warnings are no fault of the code, still builds.
add_compile_options(-Wall -Wextra)
if(TESSARO_WERROR)
    add_compile_options(-Werror)
endif()
if(TESSARO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
