# A program in a folder far deeper than the classic 260-character path limit
# still gets its crash dump beside it.
#   -DWINE_RUN=<wine.sh> -DBUILD=<build> -DPROBE=<crash_probe.exe> -DROOT=<scratch folder>
set(folder ${ROOT})
string(LENGTH "${folder}" length)
while(length LESS 400)
    string(APPEND folder "/a-rather-long-folder-name-for-the-program")
    string(LENGTH "${folder}" length)
endwhile()
file(REMOVE_RECURSE ${ROOT})
file(MAKE_DIRECTORY ${folder})
file(COPY ${PROBE} DESTINATION ${folder})
execute_process(COMMAND ${WINE_RUN} run ${BUILD} ${folder}/crash_probe.exe
                WORKING_DIRECTORY ${ROOT} TIMEOUT 90 OUTPUT_QUIET ERROR_QUIET)
file(GLOB dumps "${folder}/crash_probe*.dmp")
list(LENGTH dumps count)
file(REMOVE_RECURSE ${ROOT})
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one dump beside the deep program, found ${count}")
endif()
