# Writes the import list of the paint library for its delay-loaded import:
# functions by name, variables (imported without a code thunk) as DATA.
# Run with -DNM=<nm> -DIMPORT_LIB=<libBrennix.dll.a> -DOUT=<def file>
# -DOUT_LINK_OPTIONS=<linker response file>.
cmake_policy(SET CMP0057 NEW)
execute_process(COMMAND ${NM} ${IMPORT_LIB} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
string(REPLACE "\n" ";" lines "${symbols}")
set(functions "")
set(imports "")
foreach(line IN LISTS lines)
    if(line MATCHES " T ([^ ]+)$")
        list(APPEND functions ${CMAKE_MATCH_1})
    elseif(line MATCHES " I __imp_([^ ]+)$")
        list(APPEND imports ${CMAKE_MATCH_1})
    endif()
endforeach()
set(def "LIBRARY Brennix.dll\nEXPORTS\n")
foreach(name IN LISTS imports)
    if(name IN_LIST functions)
        string(APPEND def "    ${name}\n")
    else()
        string(APPEND def "    ${name} DATA\n")
    endif()
endforeach()
file(WRITE ${OUT} "${def}")

# The linker options that take every import from the delay-loaded list: the
# names are undefined before any library is read, so the first library that
# offers them (the delay-load one, listed first) provides them all.
set(undefined "")
foreach(name IN LISTS imports)
    string(APPEND undefined "-u __imp_${name}\n")
endforeach()
file(WRITE ${OUT_LINK_OPTIONS} "${undefined}")
