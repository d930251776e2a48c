#!/usr/bin/env bash
# Converts the same logs with two builds of quorvel-convert and compares what
# they write byte for byte: the converted files, the printed messages and the
# exit codes. Logs: the bundled samples and generated ones for several regions
# and seeds, with county lines, unknown values, daylight-saving nights and odd
# dates and times, also with every record on one line, each converted in
# several time zones; and the fuzz corpus, each input with the region its
# first byte picks.
#
#   bench/compare-outputs.sh BASELINE_CONVERT NEW_CONVERT [MAKE_LOG]
#
# MAKE_LOG defaults to the quorvel-make-log beside NEW_CONVERT's build
# (build/release/bench/). QSOS (default 50000) sets the size of each log.
# LOG_DIRS="DIR..." adds the logs (*.adi, *.ADI) of those folders, each
# converted for USCQP, PA, MULTI and NAQP.
set -euo pipefail

if [ $# -lt 2 ]; then
  echo "usage: $0 BASELINE_CONVERT NEW_CONVERT [MAKE_LOG]" >&2
  exit 2
fi
base=$(realpath "$1")
new=$(realpath "$2")
make_log=$(realpath "${3:-$(dirname "$new")/../bench/quorvel-make-log}")
qsos=${QSOS:-50000}
repo=$(cd "$(dirname "$0")/.." && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-compare.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/base" "$work/new" "$work/logs"

# The machine's zone, then rules written out (Lord Howe's change is half an
# hour), then zone files where the machine has them (Dublin and Casablanca
# mark winter, or Ramadan, as daylight saving).
zones=("" "EST5EDT,M3.2.0,M11.1.0" "CET-1CEST,M3.5.0,M10.5.0/3"
  "<+1030>-10:30<+11>-11,M10.1.0,M4.1.0")
for zone in America/New_York America/Chicago Europe/London Australia/Lord_Howe Europe/Dublin \
  Africa/Casablanca; do
  [ -e "/usr/share/zoneinfo/$zone" ] && zones+=("$zone")
done

compared=0
differed=0

# convert LOG REGION: both builds, in the same time zone, each in a folder of
# its own so that the listing names the output the same way.
convert() {
  local log=$1 region=$2 zone
  for zone in "${zones[@]}"; do
    for side in base new; do
      local program=$base
      [ "$side" = new ] && program=$new
      (
        cd "$work/$side"
        rm -f out.adi
        set +e
        if [ -z "$zone" ]; then
          env -u TZ "$program" --region "$region" "$log" out.adi > listing.txt 2>&1
        else
          TZ=$zone "$program" --region "$region" "$log" out.adi > listing.txt 2>&1
        fi
        echo "exit $?" >> listing.txt
      )
    done
    compared=$((compared + 1))
    if ! cmp -s "$work/base/out.adi" "$work/new/out.adi" ||
        ! cmp -s "$work/base/listing.txt" "$work/new/listing.txt"; then
      differed=$((differed + 1))
      echo "DIFFERENT: $log --region $region TZ='$zone'"
      cmp "$work/base/out.adi" "$work/new/out.adi" || true
      diff "$work/base/listing.txt" "$work/new/listing.txt" | head -5 || true
    fi
  done
}

for sample in pa-qso-party:PA us-counties-qso-party:USCQP naqp:NAQP 7qp-neqp-inqp:MULTI; do
  convert "$repo/samples/${sample%%:*}.adi" "${sample##*:}"
done

# shellcheck disable=SC2086  # a list of folders
for folder in ${LOG_DIRS:-}; do
  for log in "$folder"/*.adi "$folder"/*.ADI; do
    [ -f "$log" ] || continue
    for region in USCQP PA MULTI NAQP; do convert "$(realpath "$log")" "$region"; done
  done
done

# A fuzz input's first byte picks the region; the log is the rest.
for input in "$repo"/fuzz/corpus/*; do
  [ -f "$input" ] || continue
  first=$(head -c 1 "$input" | od -An -tu1 | tr -d ' ')
  [ -n "$first" ] || continue
  log="$work/logs/fuzz-$(basename "$input")"
  tail -c +2 "$input" > "$log"
  convert "$log" $((first % 57))
  rm -f "$log"
done

for region in USCQP PA TX MULTI MARAC NAQP; do
  for seed in 1 2; do
    for extra in "" "--edge-times" "--edge-times --warnings 20 --county-lines 30" \
        "--one-line" "--one-line --edge-times --warnings 20 --county-lines 30"; do
      log="$work/logs/$region-$seed-$(echo "$extra" | tr -dc 'a-z0-9').adi"
      # shellcheck disable=SC2086  # extra holds separate options
      "$make_log" --region "$region" --qsos "$qsos" --seed "$seed" $extra "$log"
      convert "$log" "$region"
      rm -f "$log"
    done
  done
done

echo "$compared conversions compared, $differed different"
[ "$differed" -eq 0 ]
