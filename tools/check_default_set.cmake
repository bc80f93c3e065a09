# Runs the built-in set's generator into a scratch file and compares the result
# byte for byte with resources/default.set.
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE status ERROR_VARIABLE figures)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make-default-set failed (${status}):\n${figures}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
    RESULT_VARIABLE different)
if(NOT different EQUAL 0)
    message(FATAL_ERROR "${OUTPUT} differs from ${EXPECTED}")
endif()
file(REMOVE ${OUTPUT})
