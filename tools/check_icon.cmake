# Runs the icon script into a scratch file and compares the result byte for
# byte with resources/spindrift-clock.ico.
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${SCRIPT} ${OUTPUT} RESULT_VARIABLE status
    ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_icon.py failed (${status}):\n${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
    RESULT_VARIABLE different)
if(NOT different EQUAL 0)
    message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}")
endif()
file(REMOVE ${OUTPUT})
