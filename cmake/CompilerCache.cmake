# SPDX-License-Identifier: GPL-3.0-or-later
# Every compilation goes through ccache when it is installed (scripts/setup installs it), so a
# clean build takes the files that did not change from the cache, which is kept between builds
# (~/.cache/ccache, or $CCACHE_DIR). -DTESSARO_CCACHE=OFF compiles directly; a launcher given
# as CMAKE_CXX_COMPILER_LAUNCHER is left alone.
option(TESSARO_CCACHE "Compile through ccache when it is installed" ON)
if(NOT TESSARO_CCACHE OR CMAKE_CXX_COMPILER_LAUNCHER)
    return()
endif()
find_program(TESSARO_CCACHE_PROGRAM ccache)
if(NOT TESSARO_CCACHE_PROGRAM)
    message(STATUS "ccache not found: compiling without a compiler cache")
    return()
endif()

if(CMAKE_DISABLE_PRECOMPILE_HEADERS)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${TESSARO_CCACHE_PROGRAM})
else()
    # With precompiled headers (target_precompile_headers) ccache caches a file only when told
    # not to mind what it cannot see through a .gch file: whether the header uses __DATE__ or
    # __TIME__ (ours are system headers that do not) and the #defines of the source before it
    # (none: CMake includes it with -include, ahead of the source). And a .gch file has only
    # just been written when the files that use it compile, which without include_file_mtime
    # and include_file_ctime keeps every one of them out of the cache. Added to the sloppiness
    # the user's ccache configuration sets.
    execute_process(COMMAND ${TESSARO_CCACHE_PROGRAM} --get-config sloppiness
                    OUTPUT_VARIABLE ccache_sloppiness OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE ccache_sloppiness_result ERROR_QUIET)
    if(NOT ccache_sloppiness_result EQUAL 0)
        set(ccache_sloppiness "")
    endif()
    string(REPLACE "," ";" ccache_sloppiness "${ccache_sloppiness}")
    list(APPEND ccache_sloppiness pch_defines time_macros include_file_mtime include_file_ctime)
    list(REMOVE_DUPLICATES ccache_sloppiness)
    list(JOIN ccache_sloppiness "," ccache_sloppiness)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=${ccache_sloppiness} ${TESSARO_CCACHE_PROGRAM})
    # Clang writes the time into a precompiled header unless told not to, and ccache then
    # refuses the sources that use it.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        add_compile_options("SHELL:-Xclang -fno-pch-timestamp")
    endif()
endif()
message(STATUS "Compiling through ${TESSARO_CCACHE_PROGRAM}")
