# Builds each shipped history file from its CSV, but never over a file that already exists.
foreach(pair "lotto;LottoHistory.dat" "thunderball;ThunderballHistory.dat")
    list(GET pair 0 game)
    list(GET pair 1 file)
    if(NOT EXISTS ${APP_DIR}/${file})
        execute_process(COMMAND ${CLI} --app-dir ${APP_DIR} import-history --game ${game}
                --csv ${SOURCE}/${game}.csv
            RESULT_VARIABLE rc)
        if(NOT rc EQUAL 0)
            message(FATAL_ERROR "Could not build ${file} from ${SOURCE}/${game}.csv")
        endif()
    endif()
endforeach()
