#!/usr/bin/env bash
# The browser's local time against the C library in every zone of the machine:
# quorvel_zone_answers prints the native readings, web_zone_check.js (the
# browser's layer compiled with em++) reads them back under Node.
#
#   run-zone-check.sh ZONE_ANSWERS CHECK_JS NODE MISSING ANSWERS_FILE
#
# CHECK_JS is empty where it could not be built; MISSING then names the
# package that would build it, and the test is skipped naming it.
set -euo pipefail
answers_program=$1 check=$2 node=$3 missing=$4 answers=$5
if [ -z "$check" ]; then
  bash "$(dirname "$0")/../missing_package.sh" "$missing"
fi
"$answers_program" >"$answers"
# Node 20 would fetch the embedded WebAssembly by path without this.
"$node" --no-experimental-fetch "$check" "$answers"
