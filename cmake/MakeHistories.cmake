# Builds each shipped history file from its CSV, but never over a file that already exists.
include(${CMAKE_CURRENT_LIST_DIR}/Histories.cmake)
foreach(entry ${QUINTARA_HISTORIES})
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 game)
    list(GET parts 1 file)
    list(GET parts 2 csv)
    list(REMOVE_AT parts 0 1 2)
    set(merged ${parts})
    if(NOT EXISTS ${APP_DIR}/${file})
        execute_process(COMMAND ${CLI} --app-dir ${APP_DIR} import-history --game ${game}
                --csv ${SOURCE}/${csv}
            RESULT_VARIABLE rc)
        foreach(more ${merged})
            if(rc EQUAL 0)
                execute_process(COMMAND ${CLI} --app-dir ${APP_DIR} import-history --game ${game}
                        --csv ${SOURCE}/${more} --merge
                    OUTPUT_QUIET RESULT_VARIABLE rc)
            endif()
        endforeach()
        # A merge keeps the history it replaced; a history made from nothing needs no such copy.
        file(REMOVE ${APP_DIR}/${file}.bak)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "Could not build ${file} from ${SOURCE}/${csv} ${merged}")
        endif()
    endif()
endforeach()
