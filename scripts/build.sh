#!/usr/bin/env bash
# Configures and builds Dravolt: the Windows program (build/mingw), and with
# "all" also the native test build (build/native, ASan + UBSan) and the
# fuzz targets (build/fuzz, clang + libFuzzer).
#   scripts/build.sh [mingw|all]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/paths.sh"
what="${1:-mingw}"

# The test run sets DRAVOLT_WERROR=ON: warnings fail the build there. When
# it is not set the build folder keeps what it had, so launching after a
# test run does not rebuild everything for a changed flag.
configure() {
    local dir="$1"
    shift
    local werror=()
    [ -n "${DRAVOLT_WERROR:-}" ] && werror=(-DDRAVOLT_WERROR="$DRAVOLT_WERROR")
    cmake -S "$DRAVOLT_ROOT" -B "$dir" -G Ninja "${werror[@]}" "$@" >/dev/null
}

configure "$DRAVOLT_MINGW_BUILD" -DCMAKE_TOOLCHAIN_FILE="$DRAVOLT_ROOT/cmake/mingw64.cmake" \
    -DCMAKE_BUILD_TYPE=Release
cmake --build "$DRAVOLT_MINGW_BUILD"

if [ "$what" = all ]; then
    configure "$DRAVOLT_NATIVE_BUILD" -DCMAKE_BUILD_TYPE=Asan
    cmake --build "$DRAVOLT_NATIVE_BUILD"
    configure "$DRAVOLT_FUZZ_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DDRAVOLT_FUZZ=ON \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
    cmake --build "$DRAVOLT_FUZZ_BUILD"
fi
