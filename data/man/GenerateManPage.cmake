# SPDX-License-Identifier: GPL-3.0-or-later
# Writes a program's manual page with help2man from its --help and --version, then a copy
# compressed with gzip -9n (no name or time stamp inside, so builds are reproducible).
#
# cmake -DPROGRAM=path -DNAME=text -DPAGE=out.1 -DINCLUDES=a.h2m|b.h2m [-DHELP_OPTION=--help]
#       [-DHELP_FILTER=file.sed] [-DOPTIONAL=ON] -DSTAMP=file -DHELP2MAN=path -DGZIP=path
#       -P GenerateManPage.cmake
#
# HELP_FILTER: a sed script the help text goes through before help2man reads it (help2man
# runs a wrapper of the program's name in a folder beside the page).
#
# The program is first asked for --version and --help under a time limit, without a display
# (QT_QPA_PLATFORM=offscreen): a desktop program that does not know these options yet would
# open its window instead of answering, and help2man, which has no time limit, would wait
# for it forever. With OPTIONAL, a program that does not answer gets no page (a warning
# says why); otherwise that fails the build. The stamp is written either way, so the check
# runs again only when the program changes.

foreach(var PROGRAM NAME PAGE STAMP HELP2MAN GZIP)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "GenerateManPage.cmake: ${var} is not set")
    endif()
endforeach()
if(NOT HELP_OPTION)
    set(HELP_OPTION --help)
endif()

set(ENV{QT_QPA_PLATFORM} offscreen)
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
# A sanitizer build reports leaks at exit with a failing status; that is no answer to judge.
if(DEFINED ENV{ASAN_OPTIONS} AND NOT "$ENV{ASAN_OPTIONS}" STREQUAL "")
    set(ENV{ASAN_OPTIONS} "$ENV{ASAN_OPTIONS}:detect_leaks=0")
else()
    set(ENV{ASAN_OPTIONS} detect_leaks=0)
endif()
set(ENV{LC_ALL} C.UTF-8)

get_filename_component(program_name "${PROGRAM}" NAME)
file(REMOVE "${PAGE}" "${PAGE}.gz")

function(fail why)
    if(OPTIONAL)
        message(WARNING "No manual page for ${program_name}: ${why}")
        file(TOUCH "${STAMP}")
        return()
    endif()
    message(FATAL_ERROR "Cannot write the manual page of ${program_name}: ${why}")
endfunction()

execute_process(COMMAND "${PROGRAM}" --version
                RESULT_VARIABLE status OUTPUT_VARIABLE version ERROR_VARIABLE errors
                TIMEOUT 20)
if(NOT status EQUAL 0 OR NOT version MATCHES "^${program_name} [0-9]")
    fail("`${program_name} --version` did not answer with its name and version (status ${status}) ${errors}")
    return()
endif()
execute_process(COMMAND "${PROGRAM}" ${HELP_OPTION}
                RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE errors
                TIMEOUT 20)
if(NOT status EQUAL 0 OR help STREQUAL "")
    fail("`${program_name} ${HELP_OPTION}` did not answer (status ${status}) ${errors}")
    return()
endif()

set(help2man_program "${PROGRAM}")
if(HELP_FILTER)
    get_filename_component(page_dir "${PAGE}" DIRECTORY)
    set(help2man_program "${page_dir}/${program_name}.help/${program_name}")
    file(WRITE "${help2man_program}"
         "#!/bin/sh\n"
         "# Written by GenerateManPage.cmake: ${program_name} for help2man, its help filtered.\n"
         "if [ \"$1\" = '${HELP_OPTION}' ]; then\n"
         "    '${PROGRAM}' \"$@\" >\"$0.txt\" 2>&1 || exit\n"
         "    exec sed -f '${HELP_FILTER}' \"$0.txt\"\n"
         "fi\n"
         "exec '${PROGRAM}' \"$@\"\n")
    file(CHMOD "${help2man_program}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()

set(include_options)
string(REPLACE "|" ";" INCLUDES "${INCLUDES}")
foreach(include IN LISTS INCLUDES)
    list(APPEND include_options "--include=${include}")
endforeach()
execute_process(COMMAND "${HELP2MAN}" --no-info --no-discard-stderr ${include_options}
                        "--help-option=${HELP_OPTION}" "--name=${NAME}"
                        "--output=${PAGE}.tmp" "${help2man_program}"
                RESULT_VARIABLE status ERROR_VARIABLE errors TIMEOUT 60)
if(NOT status EQUAL 0)
    file(REMOVE "${PAGE}.tmp")
    message(FATAL_ERROR "help2man failed for ${program_name} (status ${status}): ${errors}")
endif()
file(RENAME "${PAGE}.tmp" "${PAGE}")

execute_process(COMMAND "${GZIP}" -9 -n -c "${PAGE}" OUTPUT_FILE "${PAGE}.gz"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE "${PAGE}.gz")
    message(FATAL_ERROR "gzip failed for ${PAGE}")
endif()
file(TOUCH "${STAMP}")
