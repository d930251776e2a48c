#!/bin/bash
# Runs a Windows cross build's own ctest (the engine and form-model tests, each
# started through wine) in a private wine session.
#   run_engine_tests.sh WINDOWS_BUILD_DIR WORK_DIR
set -u
build=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_session.sh"

if ! ls "$build"/tests/quorvel_tests.exe >/dev/null 2>&1; then
  echo "SKIPPED: no Windows build with tests in $build (install the mingw-w64 compilers)"
  exit 77
fi
wine_session_require ctest
wine_session_start "$work"
# The tests folder alone: the rest of the tree has no Windows tests.
timeout 500 ctest --test-dir "$build/tests" --output-on-failure --no-tests=error -j2 </dev/null
