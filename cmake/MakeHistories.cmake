# Builds each shipped history file in APP_DIR from its CSV files in SOURCE with the CLI at CLI.
# By default a file that already exists is left alone: in a build's application folder it is the
# user's data. With FRESH=ON the file is made afresh; with ONLY=<file> only that history is made.
include(${CMAKE_CURRENT_LIST_DIR}/Histories.cmake)
foreach(entry ${QUINTARA_HISTORIES})
    quintara_history_entry("${entry}" game file csvs)
    if(DEFINED ONLY AND NOT file STREQUAL ONLY)
        continue()
    endif()
    if(FRESH)
        file(MAKE_DIRECTORY ${APP_DIR})
        file(REMOVE ${APP_DIR}/${file})
    elseif(EXISTS ${APP_DIR}/${file})
        continue()
    endif()
    set(merge "")
    foreach(csv ${csvs})
        execute_process(COMMAND ${CLI} --app-dir ${APP_DIR} import-history --game ${game}
                --csv ${SOURCE}/${csv} ${merge}
            OUTPUT_QUIET RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            break()
        endif()
        set(merge --merge)
    endforeach()
    # A merge keeps the history it replaced; a history made from nothing needs no such copy.
    file(REMOVE ${APP_DIR}/${file}.bak)
    if(NOT rc EQUAL 0)
        message(FATAL_ERROR "Could not build ${file} from ${csvs} in ${SOURCE}")
    endif()
endforeach()
