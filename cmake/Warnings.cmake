# SPDX-License-Identifier: GPL-3.0-or-later
# Every target of ours gets the same strict warnings and, in the asan and tsan presets, the
# sanitizers that TESSARO_SANITIZE names.
# Warnings become errors only with TESSARO_WERROR, which the developer presets turn on: a
# release build with another compiler, whose new warnings are no fault of the code, still builds.
add_compile_options(-Wall -Wextra)
if(TESSARO_WERROR)
    add_compile_options(-Werror)
endif()
if(TESSARO_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
elseif(TESSARO_SANITIZE STREQUAL "thread")
    # Qt and the other system libraries are not instrumented: tests/tsan.supp names what
    # ThreadSanitizer cannot see through there.
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(TESSARO_SANITIZE)
    message(FATAL_ERROR "TESSARO_SANITIZE is OFF, address or thread, not '${TESSARO_SANITIZE}'")
endif()
