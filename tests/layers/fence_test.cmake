# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fence's probes (CMakeLists.txt beside this file): those marked "missing" must each
# fail for their header not being found, the others must build.
# cmake -DBUILD_DIR=<build tree> -DPROBES=<probes.txt> -DGENERATOR=<generator> -P fence_test.cmake
cmake_minimum_required(VERSION 3.25)
file(STRINGS ${PROBES} lines)
set(missing)
set(builds)
foreach(line IN LISTS lines)
    string(REPLACE " " ";" fields "${line}")
    list(GET fields 0 name)
    list(GET fields 1 expect)
    list(GET fields 2 header)
    if(expect STREQUAL "missing")
        list(APPEND missing ${name})
    else()
        list(APPEND builds ${name})
    endif()
    set(header_${name} ${header})
endforeach()
list(LENGTH missing missing_count)
list(LENGTH builds builds_count)
if(missing_count EQUAL 0 OR builds_count EQUAL 0)
    message(FATAL_ERROR "No probes in ${PROBES}")
endif()

# Every failing probe in one run that goes on after errors; the compilers' messages name the
# probe's source and the header.
if(GENERATOR MATCHES "Ninja")
    set(keep_going -k 0)
else()
    set(keep_going -k)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${missing} -- ${keep_going}
    OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE result)
set(failures)
foreach(name IN LISTS missing)
    string(REPLACE "." "\\." header "${header_${name}}")
    # GCC says "<header>: No such file or directory", Clang "'<header>' file not found".
    if(NOT output MATCHES "${name}\\.cpp:[0-9]+:[0-9]+: fatal error: ('${header}' file not found|${header}: No such file or directory)")
        string(APPEND failures "  ${name}: including ${header_${name}} was not refused\n")
    endif()
endforeach()
if(result EQUAL 0)
    string(APPEND failures "  the probes that must fail all built\n")
endif()

execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${builds}
    OUTPUT_VARIABLE allowed_output ERROR_VARIABLE allowed_output RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    string(APPEND failures "  a library cannot include the layers it may use:\n${allowed_output}\n")
endif()

if(failures)
    message(FATAL_ERROR "The fence between the layers does not hold:\n${failures}\n"
        "Build output of the refused includes:\n${output}")
endif()
message(STATUS "${missing_count} upward includes refused, ${builds_count} libraries include their own layers")
