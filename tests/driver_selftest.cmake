# The e2e driver's own guarantees: a program that hangs or crashes fails the
# case within the step time-out, and no process of it is left behind.
#   -DWINE_RUN=<wine.sh> -DBUILD=<build> -DDRIVER=<e2e_driver.exe>
#   -DPROGRAM=<exe> -DARGS=<program arguments> -DNAME=<process name to look for>
execute_process(
    COMMAND ${WINE_RUN} run ${BUILD} ${DRIVER} --step-timeout 3000 launch ${PROGRAM} - ${ARGS} exit 0
    RESULT_VARIABLE result ERROR_VARIABLE said TIMEOUT 90)
if(result EQUAL 0)
    message(FATAL_ERROR "the driver passed a program that should fail the case")
endif()
message(STATUS "driver said: ${said}")
execute_process(COMMAND pgrep -f ${NAME} OUTPUT_VARIABLE left)
if(left)
    message(FATAL_ERROR "left behind: ${left}")
endif()
