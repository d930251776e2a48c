#!/bin/bash
# Runs a Windows cross build's own ctest (the engine and form-model tests, each
# started through wine) in a private wine session.
#   run_engine_tests.sh WINDOWS_BUILD_DIR WORK_DIR WINE_PACKAGE
set -u
build=$1
work=$2
wine_package=$3
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine_session.sh"

if [ ! -f "$build/tests/quorvel_tests.exe" ]; then
  echo "FAILED: the Windows build has no tests: $build/tests/quorvel_tests.exe"
  exit 1
fi
wine_session_require ctest
wine_session_start "$work" "$wine_package" "$build/cli/quorvel-convert.exe"
# The tests folder alone: the rest of the tree has no Windows tests.
# On a loaded machine wine now and then fails to start a program at all (it
# exits at once and prints nothing): a test that fails is run once more, so
# that only a test that fails twice fails.
timeout 500 ctest --test-dir "$build/tests" --output-on-failure --no-tests=error -j2 \
  --repeat until-pass:2 </dev/null
