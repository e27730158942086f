# Run by CTest: the command-line tool loads no window-system library and still
# renders a report. Arguments: -DPROGRAM=<pagewright> -DCASE=<golden folder>.
execute_process(COMMAND ldd ${PROGRAM} OUTPUT_VARIABLE libraries RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "ldd ${PROGRAM} failed")
endif()
if(libraries MATCHES "libQt6(Widgets|PrintSupport)")
  message(FATAL_ERROR "${PROGRAM} loads ${CMAKE_MATCH_0}:\n${libraries}")
endif()
execute_process(COMMAND ${PROGRAM} render ${CASE}/report.rtm --data DBPipeline1=${CASE}/DBPipeline1.csv --dump
                OUTPUT_VARIABLE dump RESULT_VARIABLE status)
file(READ ${CASE}/expected.dump expected)
if(NOT status EQUAL 0 OR NOT dump STREQUAL expected)
  message(FATAL_ERROR "${PROGRAM} did not render ${CASE} as expected (exit ${status})")
endif()
