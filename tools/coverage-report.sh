#!/usr/bin/env bash
# Merges the coverage counts of a test run and prints llvm-cov's table for
# core/, counties/ (the table data left out: it is data, not logic), engine/
# and cli/; writes the same as HTML under BUILD/html.
# usage: tools/coverage-report.sh BUILD PROFILES SOURCE
set -euo pipefail
build="$1" profiles="$2" source="$3"

shopt -s nullglob
raw=("$profiles"/*.profraw)
if [[ ${#raw[@]} -eq 0 ]]; then
  echo "coverage-report: no counts in $profiles: run the tests with the coverage test preset" >&2
  exit 1
fi
llvm-profdata merge -sparse "${raw[@]}" -o "$build/quorvel.profdata"

# Every program and library of the build that carries a coverage mapping.
objects=()
while IFS= read -r -d '' file; do
  if grep -q __llvm_covmap "$file" 2>/dev/null; then objects+=(-object "$file"); fi
done < <(find "$build" -path "$build/CMakeFiles" -prune -o -path '*/_deps' -prune -o \
  -type f \( -perm -u+x -o -name '*.so*' \) -print0)
first="${objects[1]}"
objects=("${objects[@]:2}")

sources=("$source/core" "$source/counties" "$source/engine" "$source/cli")
ignore='counties/tables/|_test\.cpp$|/tests/'
common=(-instr-profile="$build/quorvel.profdata" -ignore-filename-regex="$ignore")
llvm-cov show "$first" "${objects[@]}" "${common[@]}" -format=html -show-branches=count \
  -output-dir="$build/html" "${sources[@]}" >/dev/null
llvm-cov report "$first" "${objects[@]}" "${common[@]}" "${sources[@]}"
# Each folder's own TOTAL line, for the figures of the engine alone.
for folder in "${sources[@]}"; do
  printf '%-10s' "${folder#"$source"/}/"
  llvm-cov report "$first" "${objects[@]}" "${common[@]}" "$folder" | tail -n 1
done
echo "HTML report: $build/html/index.html"
