#!/usr/bin/env bash
# Sets up the machine, builds everything and runs every test: native tests
# under ASan/UBSan, Windows tests and end-to-end cases under Wine, and a
# bounded run of each fuzz target. One ctest run covers all three builds.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/paths.sh"
start=$SECONDS

"$here/setup.sh"
DRAVOLT_WERROR=ON "$here/build.sh" all

# One test tree over the three build folders, so one summary ends the run.
cat >"$DRAVOLT_ROOT/build/CTestTestfile.cmake" <<CTEST
subdirs("native" "mingw" "fuzz")
CTEST
# The time so far is printed first, so that ctest's summary ends the run.
echo "test.sh: set-up and build took $((SECONDS - start)) s; the tests follow"
cd "$DRAVOLT_ROOT/build"
exec ctest -j"$(nproc)" --output-on-failure "$@"
