#!/usr/bin/env bash
# Checks that every test CTest skipped has a reason that holds here: a package
# that tools/install-deps.sh names as missing and whose tests it is (the one
# the test's own line names, where that is at hand), or the one test that
# cannot run as root (as an ordinary user: its superuser twin).
# Lists each skip with the line the test printed; fails on any other skip.
#   tools/check-skips.sh CTEST_OUTPUT [BUILD_DIR...]
# CTEST_OUTPUT is what ctest (or cmake --workflow) printed; the BUILD_DIRs'
# Testing/Temporary/LastTest.log give each skip's own line.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: tools/check-skips.sh CTEST_OUTPUT [BUILD_DIR...]" >&2; exit 2; }
tools=$(cd "$(dirname "$0")" && pwd)
output=$1
shift

mapfile -t skipped < <(sed -nE 's/^[[:space:]]+[0-9]+ - (.+) \(Skipped\)$/\1/p' "$output" | sort -u)
if [ ${#skipped[@]} -eq 0 ]; then
  echo "check-skips: no test was skipped"
  exit 0
fi

if [ "$(id -u)" = 0 ]; then
  as_user=RunConversionTest.AnUnreadableInputCannotBeOpened
else
  as_user=MachineFaults.AnUnreadableInputCannotBeOpenedEvenByTheSuperuser
fi
mapfile -t missing < <("$tools/install-deps.sh" missing test)

# The first line a test printed that names a missing package, else its first.
own_line() {
  local dir
  for dir in "$@"; do
    [ -f "$dir/Testing/Temporary/LastTest.log" ] || continue
    awk -v name="$test" '
      $0 ~ /^[0-9]+\/[0-9]+ Test: / { current = substr($0, index($0, "Test: ") + 6) }
      current == name && /^<end of output>$/ { current = "" }
      current == name && inside && !first && NF { first = $0 }
      current == name && inside && /not installed; install it with/ { print; found = 1; exit }
      current == name && inside && after_skip && NF { print; found = 1; exit }
      current == name && inside && /: Skipped$/ { after_skip = 1 }
      current == name && /^-+$/ { inside = 1 }
      END { if (!found && first) print first }' "$dir/Testing/Temporary/LastTest.log"
    return
  done
}

unexplained=0
for test in "${skipped[@]}"; do
  because=""
  line=$(own_line "$@")
  # The package the test itself names, where its line is at hand.
  named=""
  [[ $line == *": not installed; install it with: "* ]] && named=${line%%: not installed;*}
  if [ "$test" = "$as_user" ]; then
    because="as this user (uid $(id -u))"
  else
    for entry in "${missing[@]}"; do
      pattern=${entry#* }
      [ -z "$named" ] || [ "$named" = "${entry%% *}" ] || continue
      # shellcheck disable=SC2053 # the pattern is a glob
      if [ "$pattern" != - ] && [[ $test == $pattern ]]; then
        because="${entry%% *} is not installed"
        break
      fi
    done
  fi
  if [ -n "$because" ]; then
    echo "check-skips: $test skipped: $because${line:+ ($line)}"
  else
    echo "check-skips: $test skipped for no missing package${line:+ ($line)}" >&2
    unexplained=$((unexplained + 1))
  fi
done
if [ $unexplained -gt 0 ]; then
  echo "check-skips: $unexplained skipped test(s) unexplained" >&2
  exit 1
fi
echo "check-skips: ${#skipped[@]} skipped test(s), each for a missing package or this user"
