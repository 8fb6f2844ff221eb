# Checks the PDFs the publish worker test left in FOLDER with the independent
# readers: qpdf --check without warnings, MuPDF renders every page, and the
# page sizes poppler reports.
set(expected
    "a4-portrait-10mm.pdf|595 x 841,595 x 841,595 x 841,595 x 841"
    "image-size.pdf|1654 x 2339,400 x 300,640 x 480,300 x 400"
    "cancelled.pdf|1654 x 2339,400 x 300,640 x 480"
    "edited.pdf|1654 x 2339,200 x 150,640 x 480,300 x 400")

foreach(entry IN LISTS expected)
    string(REPLACE "|" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 sizes)
    string(REPLACE "," ";" sizes "${sizes}")
    set(pdf "${FOLDER}/${name}")
    if(NOT EXISTS "${pdf}")
        message(FATAL_ERROR "${name}: not written")
    endif()

    execute_process(COMMAND qpdf --check "${pdf}" RESULT_VARIABLE status OUTPUT_VARIABLE out
                    ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR err MATCHES "WARNING")
        message(FATAL_ERROR "${name}: qpdf --check failed (${status})\n${out}${err}")
    endif()

    execute_process(COMMAND mutool draw -q -F txt -o /dev/null "${pdf}" RESULT_VARIABLE status
                    ERROR_VARIABLE err)
    if(NOT status EQUAL 0 OR err MATCHES "error")
        message(FATAL_ERROR "${name}: MuPDF could not render it\n${err}")
    endif()

    list(LENGTH sizes count)
    execute_process(COMMAND pdfinfo -f 1 -l 999 "${pdf}" RESULT_VARIABLE status OUTPUT_VARIABLE out)
    string(REGEX MATCHALL "Page +[0-9]+ size: +[0-9.]+ x [0-9.]+" found "${out}")
    string(REGEX REPLACE "Page +[0-9]+ size: +" "" found "${found}")
    if(NOT status EQUAL 0 OR NOT found STREQUAL "${sizes}")
        message(FATAL_ERROR "${name}: page sizes '${found}', expected '${sizes}'")
    endif()
    message(STATUS "${name}: ${count} pages, sound")
endforeach()

if(EXISTS "${FOLDER}/none.pdf")
    message(FATAL_ERROR "none.pdf: written although there were no pages")
endif()
