# Compiler settings and helpers shared by every target.
if(CMAKE_SYSTEM_NAME STREQUAL "Windows")
    set(DRAVOLT_WINDOWS ON)
else()
    set(DRAVOLT_WINDOWS OFF)
endif()

option(DRAVOLT_FUZZ "Build the libFuzzer targets (needs clang)" OFF)

# Win32 structures are set up as {sizeof(s)}, leaving the rest zeroed.
add_compile_options(-Wall -Wextra -Wshadow -Wimplicit-fallthrough -Wno-missing-field-initializers)
# The test run (and so CI) builds with warnings as errors.
option(DRAVOLT_WERROR "Treat compiler warnings as errors" OFF)
if(DRAVOLT_WERROR)
    add_compile_options(-Werror)
endif()

# AddressSanitizer + UBSan build type for the native configuration.
set(CMAKE_C_FLAGS_ASAN "-O1 -g -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined")
set(CMAKE_CXX_FLAGS_ASAN "${CMAKE_C_FLAGS_ASAN}")
set(CMAKE_EXE_LINKER_FLAGS_ASAN "-fsanitize=address,undefined")
set(CMAKE_SHARED_LINKER_FLAGS_ASAN "-fsanitize=address,undefined")

if(DRAVOLT_FUZZ)
    # Everything is instrumented for the fuzzer; the sanitizer runtimes also
    # supply the coverage hooks to the programs that are not fuzz targets.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(DRAVOLT_WINDOWS)
    # Unicode Win32 throughout; Windows 7 API level.
    add_compile_definitions(UNICODE _UNICODE NOMINMAX
                            _WIN32_WINNT=0x0601 WINVER=0x0601)
    # Every module carries its own C and C++ runtime: a module linked only
    # with -static-libgcc/-static-libstdc++ still needs libwinpthread-1.dll.
    string(APPEND CMAKE_EXE_LINKER_FLAGS " -static")
    string(APPEND CMAKE_SHARED_LINKER_FLAGS " -static")
    # The deliverables land together in one output folder.
    set(DRAVOLT_OUTPUT_DIR ${CMAKE_BINARY_DIR}/out)
    # Windows test programs run under Wine in this build's own prefix.
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${PROJECT_SOURCE_DIR}/scripts/wine.sh run ${CMAKE_BINARY_DIR})
endif()

# dravolt_deliverable(target): puts a program or library into the output
# folder under its plain name (no "lib" prefix on DLLs).
function(dravolt_deliverable target)
    set_target_properties(${target} PROPERTIES
        PREFIX ""
        RUNTIME_OUTPUT_DIRECTORY ${DRAVOLT_OUTPUT_DIR}
        ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
endfunction()

# dravolt_gtest(name sources... LIBS libs...): a GoogleTest program. Natively
# every test case becomes its own ctest entry; under Wine one entry runs the
# whole program, which saves a Wine start per case.
function(dravolt_gtest name)
    if(DRAVOLT_FUZZ)
        return()  # the fuzz build runs fuzz targets only
    endif()
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES} ${T_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
    if(DRAVOLT_WINDOWS)
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300)
    else()
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 30)
    endif()
endfunction()

# dravolt_copy_beside(program dlls...): the DLL targets are built before the
# program and copied beside it after each of its builds, so that it finds
# them when it runs (under Wine or from its build folder). Nothing in the
# fuzz build, where dravolt_gtest defines no test programs; elsewhere a name
# that is not a target is a mistake, stopped here rather than at run time.
function(dravolt_copy_beside program)
    if(NOT TARGET ${program})
        if(DRAVOLT_FUZZ)
            return()
        endif()
        message(FATAL_ERROR "dravolt_copy_beside: no target ${program}")
    endif()
    add_dependencies(${program} ${ARGN})
    set(files "")
    foreach(dll IN LISTS ARGN)
        list(APPEND files $<TARGET_FILE:${dll}>)
    endforeach()
    add_custom_command(TARGET ${program} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${files} $<TARGET_FILE_DIR:${program}>)
endfunction()

# dravolt_fuzz(name SOURCES ... LIBS ...): a libFuzzer target (fuzz build
# only, clang), run by ctest for a bounded time on every test run.
set(DRAVOLT_FUZZ_SECONDS 20 CACHE STRING "How long ctest runs each fuzz target")
function(dravolt_fuzz name)
    if(NOT DRAVOLT_FUZZ)
        return()
    endif()
    cmake_parse_arguments(F "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${F_SOURCES})
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(${name} PRIVATE ${F_LIBS})
    set(corpus ${CMAKE_CURRENT_BINARY_DIR}/${name}-corpus)
    file(MAKE_DIRECTORY ${corpus})
    add_test(NAME ${name}
             COMMAND ${name} -max_total_time=${DRAVOLT_FUZZ_SECONDS} -rss_limit_mb=2048
                     -print_final_stats=0 ${corpus})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
