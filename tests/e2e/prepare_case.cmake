# Lays out one start-up case folder: the program and its libraries from the
# output folder, plus the writer library and page-size file the case asks for.
#   -DOUT=<output folder> -DCASE_DIR=<folder> -DWRITER=none|<dll>
#   -DCONFIG=none|empty|invalid|stock  [-DDECOY_DIR=<folder with a valid config>]
#   [-DDROP=<library left out, e.g. Tamsel.dll>]
#   [-DIMAGES=<bash script that makes the case's input files in the folder>]
file(REMOVE_RECURSE ${CASE_DIR})
file(MAKE_DIRECTORY ${CASE_DIR})
file(COPY ${OUT}/Dravolt.exe ${OUT}/Tamsel.dll ${OUT}/Brennix.dll DESTINATION ${CASE_DIR})
if(DEFINED DROP)
    file(REMOVE ${CASE_DIR}/${DROP})
endif()
if(NOT WRITER STREQUAL "none")
    file(COPY_FILE ${WRITER} ${CASE_DIR}/Quorlet.dll)
endif()
if(CONFIG STREQUAL "stock")
    file(COPY ${OUT}/Config DESTINATION ${CASE_DIR})
elseif(CONFIG STREQUAL "empty")
    file(WRITE ${CASE_DIR}/Config/PageSizes.txt "")
elseif(CONFIG STREQUAL "invalid")
    file(WRITE ${CASE_DIR}/Config/PageSizes.txt
         "no size here\r\nTiny[10,10]\r\nBackwards]210,297[\r\nComma[210,5,297]\r\n")
endif()
# A working folder holding a valid page-size file and writer library, to
# show that the program does not read them from its working folder.
if(DEFINED DECOY_DIR)
    file(REMOVE_RECURSE ${DECOY_DIR})
    file(MAKE_DIRECTORY ${DECOY_DIR}/Config)
    file(COPY ${OUT}/Config/PageSizes.txt DESTINATION ${DECOY_DIR}/Config)
endif()
# Input files of a session case, made on the host side.
if(DEFINED IMAGES)
    execute_process(COMMAND bash ${IMAGES} ${CASE_DIR} RESULT_VARIABLE made)
    if(NOT made EQUAL 0)
        message(FATAL_ERROR "${IMAGES} failed (${made})")
    endif()
endif()
