# Runs a generator into a scratch file and compares the result byte for byte
# with the file the source tree carries. GENERATOR is the program; SCRIPT, if
# given, is passed before the output path (a script for an interpreter).
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${SCRIPT} ${OUTPUT} RESULT_VARIABLE status
    ERROR_VARIABLE figures)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${GENERATOR} ${SCRIPT} failed (${status}):\n${figures}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
    RESULT_VARIABLE different)
if(NOT different EQUAL 0)
    message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}")
endif()
file(REMOVE ${OUTPUT})
