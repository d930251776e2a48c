#!/usr/bin/env bash
# A fuzzing campaign of HOURS (fractions allowed) over both targets: the lean
# one for executions, the deep one for its checks, each on both cores. New
# inputs are minimised and merged into fuzz/corpus with -merge=1, which keeps
# only inputs that add coverage, so the corpus stays small. Findings are
# kept in build/fuzz/findings/. Ends with one summary line.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ $# -ne 1 ]]; then
  echo "usage: fuzz/run-campaign.sh HOURS" >&2
  exit 2
fi
seconds="$(awk -v h="$1" 'BEGIN { printf "%d", h * 3600 }')"
jobs="${FUZZ_JOBS:-2}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir -p build/fuzz/findings
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# The lean target gets three quarters of the time, the deep one the rest.
run() {  # TARGET SECONDS MAX_LEN
  mkdir -p "$work/$1"
  build/fuzz/fuzz/"$1" -max_total_time="$2" -timeout=10 -max_len="$3" -rss_limit_mb=2048 \
    -dict=fuzz/adif.dict -artifact_prefix=build/fuzz/findings/ -print_final_stats=1 \
    -jobs="$jobs" -workers="$jobs" "$work/$1" fuzz/corpus >"$work/$1.log" 2>&1 || true
  # With -jobs the statistics go to one fuzz-N.log per job.
  for job in fuzz-*.log; do
    if [[ -e "$job" ]]; then mv "$job" "$work/$1.$job"; fi
  done
}
before="$(ls fuzz/corpus | wc -l)"
findings_before="$(ls build/fuzz/findings | wc -l)"
run quorvel_fuzz_lean $((seconds * 3 / 4)) 4096
run quorvel_fuzz $((seconds / 4)) 102400

# Only inputs that reach code the corpus does not are kept (edges, not hit
# counts: counting hits would keep a thousand inputs an hour), minimised in size.
for target in quorvel_fuzz_lean quorvel_fuzz; do
  build/fuzz/fuzz/"$target" -merge=1 -use_counters=0 -max_len=102400 -rss_limit_mb=2048 \
    fuzz/corpus "$work/quorvel_fuzz_lean" "$work/quorvel_fuzz" >>"$work/merge.log" 2>&1
done

# Each job's log ends with its count as "#N ..." lines; the largest is its total.
executions() {  # TARGET
  awk 'FNR == 1 { n += last; last = 0 }
    /^#[0-9]+/ { v = substr($1, 2) + 0; if (v > last) last = v }
    END { print n + last }' "$work/$1".fuzz-*.log
}
lean="$(executions quorvel_fuzz_lean)"
deep="$(executions quorvel_fuzz)"
added=$(($(ls fuzz/corpus | wc -l) - before))
findings=$(($(ls build/fuzz/findings | wc -l) - findings_before))
echo "campaign: $lean executions of the lean target, $deep of the deep one," \
  "$added new corpus inputs, $findings findings (in build/fuzz/findings/)"
[[ $findings -eq 0 ]]
