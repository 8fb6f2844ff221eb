#!/usr/bin/env bash
# Installs everything Dravolt needs on a Debian machine: the Debian packages
# for both builds, and the codecs plus GoogleTest cross-built for 64-bit
# mingw from Debian's own source packages into a cache prefix outside the
# clone. A second run finds the cache and does nothing.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
# shellcheck source=scripts/paths.sh
source "$here/paths.sh"

packages=(
    build-essential cmake ninja-build pkg-config dpkg-dev ca-certificates
    mingw-w64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix nasm
    libz-mingw-w64-dev
    wine wine64 xvfb x11-utils imagemagick
    qpdf poppler-utils mupdf-tools ghostscript img2pdf
    googletest libgtest-dev clang
    libjpeg62-turbo-dev libtiff-dev libpng-dev libgif-dev zlib1g-dev
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    local missing=()
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return
    echo "setup: installing ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# A private apt configuration with a deb-src entry, so the system's own
# sources are never touched.
fetch_sources() {
    local apt_dir="$DRAVOLT_DEPS_WORK/apt" src_dir="$DRAVOLT_DEPS_WORK/src"
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$src_dir"
    local suite
    suite="$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")"
    echo "deb-src http://deb.debian.org/debian $suite main" \
        >"$apt_dir/sources.list.d/dravolt-src.list"
    local opts=(-o Dir::Etc::sourcelist=/dev/null
                -o Dir::Etc::sourceparts="$apt_dir/sources.list.d"
                -o Dir::State::Lists="$apt_dir/lists"
                -o APT::Sandbox::User=root)
    apt-get "${opts[@]}" update -qq
    (cd "$src_dir" && apt-get "${opts[@]}" source -qq --download-only \
        libjpeg-turbo tiff libpng1.6 giflib googletest)
    for dsc in "$src_dir"/*.dsc; do
        local name
        name="$(basename "$dsc" .dsc)"
        [ -d "$src_dir/x-$name" ] || dpkg-source -x --no-check "$dsc" "$src_dir/x-$name" >/dev/null
    done
}

src_of() { ls -d "$DRAVOLT_DEPS_WORK"/src/x-"$1"_* | head -n1; }

cmake_cross() {
    local src="$1" name="$2"
    shift 2
    local bld="$DRAVOLT_DEPS_WORK/build/$name"
    rm -rf "$bld" && mkdir -p "$DRAVOLT_DEPS_WORK/build"
    cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$DRAVOLT_ROOT/cmake/mingw64.cmake" \
        -DCMAKE_INSTALL_PREFIX="$DRAVOLT_DEPS" \
        -DCMAKE_PREFIX_PATH="$DRAVOLT_DEPS" -DCMAKE_FIND_ROOT_PATH="$DRAVOLT_DEPS" \
        "$@" >"$bld.log" 2>&1 || { tail -40 "$bld.log"; return 1; }
    cmake --build "$bld" -j"$(nproc)" >>"$bld.log" 2>&1 || { tail -40 "$bld.log"; return 1; }
    cmake --install "$bld" >>"$bld.log" 2>&1
}

build_giflib() {
    local src
    src="$(src_of giflib)"
    local files=(dgif_lib.c egif_lib.c gifalloc.c gif_err.c gif_font.c gif_hash.c openbsd-reallocarray.c quantize.c)
    local obj="$DRAVOLT_DEPS_WORK/build/giflib"
    rm -rf "$obj" && mkdir -p "$obj"
    for f in "${files[@]}"; do
        [ -f "$src/$f" ] || continue
        x86_64-w64-mingw32-gcc-posix -O2 -c "$src/$f" -I"$src" -o "$obj/${f%.c}.o"
    done
    x86_64-w64-mingw32-ar rcs "$DRAVOLT_DEPS/lib/libgif.a" "$obj"/*.o
    cp "$src/gif_lib.h" "$DRAVOLT_DEPS/include/"
}

build_codecs() {
    [ -f "$DRAVOLT_DEPS/.complete" ] && return
    echo "setup: cross-building codecs into $DRAVOLT_DEPS"
    local start=$SECONDS
    rm -rf "$DRAVOLT_DEPS" && mkdir -p "$DRAVOLT_DEPS/lib" "$DRAVOLT_DEPS/include"
    fetch_sources
    # zlib comes from Debian's mingw package; copy it into the prefix so one
    # prefix holds every dependency.
    cp /usr/x86_64-w64-mingw32/lib/libz.a "$DRAVOLT_DEPS/lib/"
    cp /usr/x86_64-w64-mingw32/include/zlib.h /usr/x86_64-w64-mingw32/include/zconf.h "$DRAVOLT_DEPS/include/"
    cmake_cross "$(src_of libjpeg-turbo)" jpeg -DENABLE_SHARED=OFF -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON -DREQUIRE_SIMD=ON
    cmake_cross "$(src_of libpng1.6)" png -DPNG_SHARED=OFF -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_LIBRARY="$DRAVOLT_DEPS/lib/libz.a" -DZLIB_INCLUDE_DIR="$DRAVOLT_DEPS/include"
    cmake_cross "$(src_of tiff)" tiff -DBUILD_SHARED_LIBS=OFF -Dtiff-tools=OFF -Dtiff-tests=OFF \
        -Dtiff-contrib=OFF -Dtiff-docs=OFF -Dwebp=OFF -Dzstd=OFF -Dlzma=OFF -Djbig=OFF \
        -Dlerc=OFF -Dlibdeflate=OFF -Djpeg12=OFF \
        -DZLIB_LIBRARY="$DRAVOLT_DEPS/lib/libz.a" -DZLIB_INCLUDE_DIR="$DRAVOLT_DEPS/include"
    build_giflib
    cmake_cross "$(src_of googletest)" gtest -DBUILD_GMOCK=ON -Dgtest_disable_pthreads=OFF
    touch "$DRAVOLT_DEPS/.complete"
    echo "setup: codecs built in $((SECONDS - start)) s"
}

install_packages
build_codecs
