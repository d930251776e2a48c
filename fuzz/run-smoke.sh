#!/usr/bin/env bash
# A short fuzzing run for CI: builds the fuzz preset (clang, libFuzzer,
# AddressSanitizer + UBSan) and fuzzes for FUZZ_SECONDS (60 by default),
# starting from the checked-in corpus, which stays unchanged. Any crash,
# sanitizer report, leak or broken check fails the run, and so does a
# conversion slower than 1 s per 100 kB of its input: the fuzz target checks
# that itself in processor time, since one input is converted several times
# and its output may be many times its size; -timeout only catches hangs.
# The failing input is kept in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${FUZZ_SECONDS:-60}"
cmake --preset fuzz
cmake --build --preset fuzz

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/new" build/fuzz/findings

export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
if ! build/fuzz/fuzz/quorvel_fuzz -max_total_time="$seconds" -timeout=10 -max_len=102400 \
    -rss_limit_mb=2048 -dict=fuzz/adif.dict -artifact_prefix=build/fuzz/findings/ \
    -print_final_stats=1 "$work/new" fuzz/corpus; then
  echo "fuzz/run-smoke.sh: the fuzzer found a failing input:" >&2
  ls -l build/fuzz/findings >&2
  exit 1
fi
