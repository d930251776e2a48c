#!/usr/bin/env bash
# Runs one suite of the web page's browser tests with Node's test runner:
#   run-web-tests.sh SUITE.test.mjs
# (the environment comes from CTest). Exits 77, skipped, where the page was not
# built (no em++) or chromium, node or the npm driver is missing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

skip() {
  echo "SKIPPED: $*"
  exit 77
}

if [ ! -f "$QUORVEL_PAGE" ]; then
  [ "${QUORVEL_PAGE_EXPECTED:-0}" = 1 ] && { echo "the page was not built: $QUORVEL_PAGE" >&2; exit 1; }
  skip "${QUORVEL_NO_PAGE:-the web page is not built here}"
fi
command -v node >/dev/null 2>&1 || skip "node not found (Debian package nodejs)"
command -v chromium >/dev/null 2>&1 || skip "chromium not found (Debian package chromium)"
[ -d "$here/node_modules/playwright-core" ] ||
  skip "playwright-core is not installed: run tools/install-deps.sh test (or npm ci in tests/web)"

mkdir -p "$QUORVEL_WORK_DIR"
exec node --test --test-reporter=spec "$here/$1"
