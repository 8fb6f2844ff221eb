# The working folder of page files. Included from app/CMakeLists.txt; the
# portable naming rules are tested natively, the store itself under Wine.
set(DRAVOLT_PAGE_FILES_DIR ${CMAKE_CURRENT_LIST_DIR})

add_library(dravolt_page_files STATIC ${DRAVOLT_PAGE_FILES_DIR}/page_file_store_paths.cpp)
target_include_directories(dravolt_page_files PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(dravolt_page_files PUBLIC dravolt_app_core)

dravolt_gtest(page_file_store_tests
    SOURCES ${DRAVOLT_PAGE_FILES_DIR}/tests/page_file_store_paths_test.cpp
    LIBS dravolt_page_files)

if(DRAVOLT_WINDOWS)
    add_library(dravolt_page_files_win STATIC
        ${DRAVOLT_PAGE_FILES_DIR}/page_file_store_win.cpp
        ${DRAVOLT_PAGE_FILES_DIR}/page_file_import_win.cpp)
    target_link_libraries(dravolt_page_files_win PUBLIC dravolt_page_files dravolt_imaging
        gdiplus shell32 shlwapi rpcrt4 ole32)

    dravolt_gtest(page_file_store_win_tests
        SOURCES ${DRAVOLT_PAGE_FILES_DIR}/tests/page_file_store_win_test.cpp
        LIBS dravolt_page_files_win)
endif()
