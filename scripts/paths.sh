# Shared locations of the build scripts. Sourced, not run.
DRAVOLT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# The cross-built codecs live outside the clone so every clone reuses them.
# Bump the version suffix when the recipe in setup.sh changes.
DRAVOLT_CACHE="${DRAVOLT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dravolt}"
DRAVOLT_DEPS="$DRAVOLT_CACHE/mingw64-deps-v2"
DRAVOLT_DEPS_WORK="$DRAVOLT_CACHE/work-v1"
DRAVOLT_NATIVE_BUILD="$DRAVOLT_ROOT/build/native"
DRAVOLT_MINGW_BUILD="$DRAVOLT_ROOT/build/mingw"
export DRAVOLT_ROOT DRAVOLT_CACHE DRAVOLT_DEPS DRAVOLT_DEPS_WORK
DRAVOLT_FUZZ_BUILD="$DRAVOLT_ROOT/build/fuzz"
