# A start-up case folder (see prepare_case.cmake) with the simulated scanner
# beside the program.   ... -DWIASIM=<WiaSim.dll>
include(${CMAKE_CURRENT_LIST_DIR}/../prepare_case.cmake)
file(COPY ${WIASIM} DESTINATION ${CASE_DIR})
