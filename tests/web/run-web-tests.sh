#!/usr/bin/env bash
# Runs one suite of the web page's browser tests with Node's test runner:
#   run-web-tests.sh SUITE.test.mjs
# (the environment comes from CTest). Exits 77, skipped, naming the package,
# where the page was not built (no em++) or chromium, node or the npm driver is
# missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../missing_package.sh"

if [ ! -f "$QUORVEL_PAGE" ]; then
  [ "${QUORVEL_PAGE_EXPECTED:-0}" = 1 ] && { echo "the page was not built: $QUORVEL_PAGE" >&2; exit 1; }
  missing_package emscripten
fi
command -v node >/dev/null 2>&1 || missing_package nodejs
command -v chromium >/dev/null 2>&1 || missing_package chromium
[ -d "$here/node_modules/playwright-core" ] || missing_package playwright-core

mkdir -p "$QUORVEL_WORK_DIR"
exec node --test --test-reporter=spec "$here/$1"
