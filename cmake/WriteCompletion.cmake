# Writes quintara-cli's completion script for one shell: cmake -DCLI=... -DSHELL_NAME=bash -DOUTPUT=... -P
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${CLI} completion ${SHELL_NAME} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "quintara-cli completion ${SHELL_NAME} failed: ${status}")
endif()
