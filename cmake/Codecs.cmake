# The image codecs as one interface target, dravolt::codecs. Natively they
# are Debian's -dev packages; for mingw they are the static libraries that
# scripts/setup.sh cross-built into $DRAVOLT_DEPS.
if(DRAVOLT_WINDOWS AND DEFINED ENV{DRAVOLT_DEPS})
    list(APPEND CMAKE_PREFIX_PATH $ENV{DRAVOLT_DEPS})
endif()
set(CMAKE_FIND_LIBRARY_SUFFIXES_SAVED ${CMAKE_FIND_LIBRARY_SUFFIXES})
if(DRAVOLT_WINDOWS)
    set(CMAKE_FIND_LIBRARY_SUFFIXES .a)
endif()
find_package(ZLIB REQUIRED)
find_package(JPEG REQUIRED)
find_package(PNG REQUIRED)
find_package(TIFF REQUIRED)
find_package(GIF REQUIRED)
set(CMAKE_FIND_LIBRARY_SUFFIXES ${CMAKE_FIND_LIBRARY_SUFFIXES_SAVED})

add_library(dravolt_codecs INTERFACE)
add_library(dravolt::codecs ALIAS dravolt_codecs)
# libtiff was built with JPEG and Deflate support, so it comes before them.
target_link_libraries(dravolt_codecs INTERFACE
    TIFF::TIFF PNG::PNG JPEG::JPEG GIF::GIF ZLIB::ZLIB)
