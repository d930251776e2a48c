#!/usr/bin/env bash
# Whole-program benchmark: converts generated logs of 10,000, 100,000 and
# 1,000,000 QSOs with quorvel-convert, for a contest region (USCQP, 3,077
# keys) and a state (PA), each as N1MM writes it (a line per record) and with
# every record on one line, and copies each log in the same run with cat and
# with quorvel-copy-floor (the least a program does in user space: 1 MB
# blocks, memchr for every '<', CR LF line ends) as the baselines. Prints
# medians of several runs: seconds, MB/s and QSOs/s of the conversion, its
# ratios to cat and to the copy, microseconds per QSO (flat when the cost is
# linear) and peak resident memory. Then the memory of a log with many
# warnings, whose messages are all kept until the listing, the memory of
# the region pass (--region auto) on a log with every record on one line, and
# the instructions per QSO (callgrind; IR_QSOS sets the log's size).
#
#   bench/run-benchmark.sh            builds the release preset first
#   RUNS=7 SIZES="10000 1000000" REGIONS="TX" LAYOUTS="one-line" bench/run-benchmark.sh
#   CONVERT=path MAKE_LOG=path COPY=path bench/run-benchmark.sh   no build
#
# Logs go to a temporary folder (TMPDIR) and are removed at the end. The
# files stay in the page cache, so this measures the program, not the disk.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
runs=${RUNS:-5}
sizes=${SIZES:-10000 100000 1000000}
regions=${REGIONS:-USCQP PA}
layouts=${LAYOUTS:-lines one-line}
warning_qsos=${WARNING_QSOS:-1000000}

if [ -z "${CONVERT:-}" ]; then
  (cd "$repo" && cmake --preset release > /dev/null && cmake --build --preset release > /dev/null)
  CONVERT=$repo/build/release/cli/quorvel-convert
  MAKE_LOG=$repo/build/release/bench/quorvel-make-log
fi
MAKE_LOG=${MAKE_LOG:-$(dirname "$CONVERT")/../bench/quorvel-make-log}
COPY=${COPY:-$(dirname "$CONVERT")/../bench/quorvel-copy-floor}
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# The largest log, its converted copy and a copy of it: about 2.2 GB.
# shellcheck disable=SC2086  # sizes is a list of numbers
largest=$(printf '%s\n' $sizes "$warning_qsos" | sort -n | tail -1)
need_kb=$((largest * 2300 / 1024))
free_kb=$(df -Pk "$work" | awk 'NR == 2 { print $4 }')
if [ "$free_kb" -lt "$need_kb" ]; then
  echo "not enough space in $work: $((free_kb / 1024)) MB free, $((need_kb / 1024)) MB needed" >&2
  exit 1
fi

median() {
  sort -g | awk '{ v[NR] = $1 }
    END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# measure REPORT STDOUT COMMAND...: prints wall seconds; time -v's report
# (peak memory) goes to REPORT. STDOUT should not exist yet: emptying a large
# file would be timed too.
measure() {
  local report=$1 out=$2
  shift 2
  sync
  local start end
  start=$(date +%s%N)
  /usr/bin/time -v -o "$report" "$@" > "$out"
  end=$(date +%s%N)
  awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f\n", (b - a) / 1e9 }'
}

peak_mb() { awk -F': ' '/Maximum resident set size/ { printf "%.1f", $2 / 1024 }' "$1"; }
# Processor seconds, user and system: what other work on the machine disturbs least.
cpu_s() { awk -F': ' '/(User|System) time/ { n += $2 } END { printf "%.3f\n", n }' "$1"; }

echo "quorvel-convert: $CONVERT"
zone=${TZ:-}
[ -n "$zone" ] || zone="unset, so $(readlink /etc/localtime 2>/dev/null || echo /etc/localtime)"
echo "time zone: $zone"
echo "runs: $runs, medians"
# Other work on the machine slows the wall clock; peak memory does not mind.
echo "load average at the start: $(cut -d ' ' -f 1-3 /proc/loadavg)"
echo
echo "| Region | QSOs | layout | Log MB | cat s | copy s | convert s | MB/s | QSOs/s | ratio to cat | ratio to copy | copy CPU s | convert CPU s | CPU ratio to copy | us/QSO | peak RSS MB | messages |"
echo "|---|---:|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|"

for region in $regions; do
  for qsos in $sizes; do
    for layout in $layouts; do
      log=$work/log.adi
      layout_option=()
      [ "$layout" = one-line ] && layout_option=(--one-line)
      "$MAKE_LOG" --region "$region" --qsos "$qsos" --seed 1 "${layout_option[@]}" "$log"
      bytes=$(stat -c %s "$log")
      cat_times=() copy_times=() convert_times=() copy_cpus=() convert_cpus=() peaks=()
      for _ in $(seq "$runs"); do
        rm -f "$work/copy.adi" "$work/out.adi" "$work/listing.txt"
        cat_times+=("$(measure "$work/cat.time" "$work/copy.adi" cat "$log")")
        rm -f "$work/copy.adi"
        copy_times+=("$(measure "$work/copy.time" /dev/null "$COPY" "$log" "$work/copy.adi")")
        copy_cpus+=("$(cpu_s "$work/copy.time")")
        rm -f "$work/copy.adi"
        convert_times+=("$(measure "$work/convert.time" "$work/listing.txt" \
          "$CONVERT" --region "$region" "$log" "$work/out.adi")")
        convert_cpus+=("$(cpu_s "$work/convert.time")")
        peaks+=("$(peak_mb "$work/convert.time")")
      done
      cat_s=$(printf '%s\n' "${cat_times[@]}" | median)
      copy_s=$(printf '%s\n' "${copy_times[@]}" | median)
      convert_s=$(printf '%s\n' "${convert_times[@]}" | median)
      copy_cpu=$(printf '%s\n' "${copy_cpus[@]}" | median)
      convert_cpu=$(printf '%s\n' "${convert_cpus[@]}" | median)
      peak=$(printf '%s\n' "${peaks[@]}" | median)
      messages=$(grep -c -e '^WARNING: ' -e '^INFO: ' "$work/listing.txt" || true)
      awk -v r="$region" -v q="$qsos" -v l="$layout" -v b="$bytes" -v c="$cat_s" -v u="$copy_s" \
        -v s="$convert_s" -v p="$peak" -v m="$messages" -v cu="$copy_cpu" -v cc="$convert_cpu" 'BEGIN {
        printf "| %s | %d | %s | %.0f | %.3f | %.3f | %.3f | %.0f | %.0f | %.2f | %.2f | %.3f | %.3f | %.2f | %.2f | %s | %d |\n",
               r, q, l, b / 1e6, c, u, s, b / 1e6 / s, q / s, s / c, s / u, cu, cc, cc / cu,
               s * 1e6 / q, p, m }'
      rm -f "$log" "$work/copy.adi" "$work/out.adi"
    done
  done
done
echo
echo "Memory with many messages ($warning_qsos QSOs, 30% unknown values, 30% county lines):"
log=$work/log.adi
"$MAKE_LOG" --region USCQP --qsos "$warning_qsos" --seed 1 --warnings 30 --county-lines 30 "$log"
rm -f "$work/out.adi" "$work/listing.txt"
seconds=$(measure "$work/convert.time" "$work/listing.txt" \
  "$CONVERT" --region USCQP "$log" "$work/out.adi")
messages=$(grep -c -e '^WARNING: ' -e '^INFO: ' "$work/listing.txt" || true)
message_mb=$(awk '/^(WARNING|INFO): / { n += length($0) } END { printf "%.1f", n / 1048576 }' \
  "$work/listing.txt")
echo "  $messages messages ($message_mb MB of text), peak RSS $(peak_mb "$work/convert.time") MB, ${seconds} s"

# The region pass reads the whole log before the conversion does: its memory
# too stays that of the longest field, whatever the layout.
# shellcheck disable=SC2086  # sizes is a list of numbers
auto_qsos=$(printf '%s\n' $sizes | sort -n | tail -1)
"$MAKE_LOG" --region PA --qsos "$auto_qsos" --seed 1 --one-line "$log"
rm -f "$work/out.adi" "$work/listing.txt"
seconds=$(measure "$work/convert.time" "$work/listing.txt" \
  "$CONVERT" --region auto "$log" "$work/out.adi")
echo "Region from the log (--region auto), PA, $auto_qsos QSOs on one line:" \
  "peak RSS $(peak_mb "$work/convert.time") MB, ${seconds} s"

# Instructions per QSO: the figure that other work on the machine does not
# disturb at all (callgrind, where valgrind is installed).
ir_qsos=${IR_QSOS:-100000}
if command -v valgrind > /dev/null; then
  for region in $regions; do
    for layout in $layouts; do
      layout_option=()
      [ "$layout" = one-line ] && layout_option=(--one-line)
      "$MAKE_LOG" --region "$region" --qsos "$ir_qsos" --seed 1 "${layout_option[@]}" "$log"
      rm -f "$work/out.adi"
      valgrind --tool=callgrind --callgrind-out-file="$work/callgrind.out" \
        "$CONVERT" --region "$region" "$log" "$work/out.adi" > /dev/null 2> "$work/callgrind.txt"
      ir=$(awk '/Collected :/ { print $NF }' "$work/callgrind.txt")
      echo "Instructions per QSO, $region, $ir_qsos QSOs, $layout: $((ir / ir_qsos))"
    done
  done
  rm -f "$work/callgrind.out"
else
  echo "Instructions per QSO: not measured (no valgrind)"
fi
echo "load average at the end: $(cut -d ' ' -f 1-3 /proc/loadavg)"
