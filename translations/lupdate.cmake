# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the texts to translate from the program's sources into vocabrix.ts, or with
# -DCHECK=ON fails when vocabrix.ts differs from what it would write.
# cmake -DLUPDATE=<lupdate> -DSOURCE_DIR=<checkout> -DSOURCES=<list file> -DWORK_DIR=<folder>
#       [-DCHECK=ON] -P lupdate.cmake
set(ts ${SOURCE_DIR}/translations/vocabrix.ts)
# No line numbers, so that the file changes only when a text does; texts gone from the
# sources leave it.
set(options -locations none -no-obsolete -I ${SOURCE_DIR}/src)

if(NOT CHECK)
    execute_process(COMMAND ${LUPDATE} ${options} @${SOURCES} -ts ${ts}
        WORKING_DIRECTORY ${SOURCE_DIR} COMMAND_ERROR_IS_FATAL ANY)
    return()
endif()

set(regenerate "cmake --build --preset default --target lupdate")
if(NOT EXISTS ${ts})
    message(FATAL_ERROR "translations/vocabrix.ts is missing: write it with `${regenerate}`.")
endif()
# lupdate updates a copy, as the target updates the file, and the two must not differ.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY_FILE ${ts} ${WORK_DIR}/vocabrix.ts)
execute_process(COMMAND ${LUPDATE} -silent ${options} @${SOURCES} -ts ${WORK_DIR}/vocabrix.ts
    WORKING_DIRECTORY ${SOURCE_DIR} ERROR_VARIABLE warnings COMMAND_ERROR_IS_FATAL ANY)
# A text lupdate cannot read (tr() in a class without Q_OBJECT, a context it cannot name) is
# a text no translation reaches; lupdate only warns about it.
if(warnings)
    message(FATAL_ERROR "lupdate cannot read every text of the sources:\n${warnings}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ts} ${WORK_DIR}/vocabrix.ts
    RESULT_VARIABLE different)
if(different)
    execute_process(COMMAND diff -u ${ts} ${WORK_DIR}/vocabrix.ts OUTPUT_VARIABLE difference)
    message(FATAL_ERROR "translations/vocabrix.ts is out of date with the sources' texts. "
        "Write it with `${regenerate}` and commit it. What lupdate would change:\n${difference}")
endif()
