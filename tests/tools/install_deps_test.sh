#!/bin/bash
# tools/install-deps.sh and tools/check-skips.sh against stand-ins for
# apt-get, dpkg, dpkg-query, sudo, sleep and npm on PATH (no network, nothing
# installed): an apt-get update that fails as a mirror being synced does, a
# package that cannot be installed, and the summary and exit status after.
#   install_deps_test.sh SOURCE_DIR
set -u
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
check() { # check DESCRIPTION COMMAND...
  local description=$1
  shift
  if "$@"; then
    echo "ok:   $description"
  else
    echo "FAIL: $description"
    failures=$((failures + 1))
  fi
}
has_line() { grep -qxF -- "$2" "$1"; }
has_text() { grep -qF -- "$2" "$1"; }

# The commands the scripts and the stand-ins use, and nothing else of the
# machine's (no node, npm, apt or dpkg).
system=$work/system
mkdir -p "$system"
for tool in bash env dirname id grep sed sort awk mkdir cat cp chmod rm head tr wc cut; do
  ln -s "$(command -v "$tool")" "$system/$tool"
done

# A fresh copy of the tools in CASE_DIR, with stand-ins whose state is in
# CASE_DIR/state: installed (what dpkg has), refused (what apt cannot install),
# update-failures (how many apt-get updates fail), calls (every call, in order).
new_case() {
  local dir=$work/$1
  mkdir -p "$dir/tree/tools" "$dir/tree/tests/web" "$dir/bin" "$dir/state"
  cp "$source_dir/tools/install-deps.sh" "$source_dir/tools/check-skips.sh" "$dir/tree/tools/"
  : >"$dir/state/installed"
  : >"$dir/state/refused"
  : >"$dir/state/foreign"
  echo 0 >"$dir/state/update-failures"
  cat >"$dir/bin/apt-get" <<'EOF'
#!/bin/bash
echo "apt-get $*" >>"$STATE/calls"
if [ "$1" = update ]; then
  left=$(cat "$STATE/update-failures")
  [ "$left" -gt 0 ] || exit 0
  echo $((left - 1)) >"$STATE/update-failures"
  echo "E: Failed to fetch debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?" >&2
  echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
  exit 100
fi
[ "$1" = install ] || exit 1
shift
simulate=false
packages=()
for argument in "$@"; do
  case $argument in
    -s) simulate=true ;;
    -*) ;;
    *) packages+=("$argument") ;;
  esac
done
for package in "${packages[@]}"; do
  if grep -qxF "$package" "$STATE/refused"; then
    echo "The following packages have unmet dependencies:"
    echo " $package : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
    echo "E: Unable to correct problems, you have held broken packages." >&2
    exit 100
  fi
done
$simulate && exit 0
for package in "${packages[@]}"; do
  echo "$package" >>"$STATE/installed"
  [ "$package" != npm ] || cp "$STATE/../npm" "$STATE/../bin/npm"
done
EOF
  cat >"$dir/bin/dpkg-query" <<'EOF'
#!/bin/bash
package=${!#}
grep -qxF "$package" "$STATE/installed" && { printf installed; exit 0; }
echo "dpkg-query: no packages found matching $package" >&2
exit 1
EOF
  cat >"$dir/bin/dpkg" <<'EOF'
#!/bin/bash
echo "dpkg $*" >>"$STATE/calls"
case $1 in
  --print-foreign-architectures) cat "$STATE/foreign" ;;
  --add-architecture) echo "$2" >>"$STATE/foreign" ;;
esac
EOF
  cat >"$dir/bin/sudo" <<'EOF'
#!/bin/bash
exec "$@"
EOF
  cat >"$dir/bin/sleep" <<'EOF'
#!/bin/bash
echo "sleep $*" >>"$STATE/calls"
EOF
  # npm appears when its package is installed; npm ci installs the driver.
  cat >"$dir/npm" <<'EOF'
#!/bin/bash
echo "npm $* in ${PWD##*/tree/}" >>"$STATE/calls"
mkdir -p node_modules/playwright-core
EOF
  chmod +x "$dir"/bin/* "$dir/npm"
  CASE=$dir
}

# run LEVEL...: the script in the case's tree, its output in CASE/out.
run() {
  env -i PATH="$CASE/bin:$system" STATE="$CASE/state" QUORVEL_WINE32_LOADER=/bin/true \
    bash "$CASE/tree/tools/install-deps.sh" \
    "$@" >"$CASE/out" 2>&1
}
calls_in_order() { # calls_in_order FIRST SECOND: FIRST's first call before SECOND's
  local first second
  first=$(grep -nxF -- "$1" "$CASE/state/calls" | head -n1 | cut -d: -f1)
  second=$(grep -nxF -- "$2" "$CASE/state/calls" | head -n1 | cut -d: -f1)
  [ -n "$first" ] && [ -n "$second" ] && [ "$first" -lt "$second" ]
}

test_packages=$(sed -n '/^test_packages=(/,/^)/p' "$source_dir/tools/install-deps.sh" |
  sed '1d;$d' | tr ' ' '\n' | sed '/^$/d;/build_packages/d')
build_packages=$(sed -n 's/^build_packages=(\(.*\))$/\1/p' "$source_dir/tools/install-deps.sh" |
  tr ' ' '\n')

echo "== test: every update fails, wine32:i386 cannot be installed"
new_case test-flaky-mirror
echo 3 >"$CASE/state/update-failures"
echo wine32:i386 >"$CASE/state/refused"
run test
status=$?
check "exit 0" [ "$status" = 0 ]
check "the i386 architecture is added before the update" \
  calls_in_order "dpkg --add-architecture i386" "apt-get update"
check "apt-get update is tried three times" [ "$(grep -cx 'apt-get update' "$CASE/state/calls")" = 3 ]
check "with a growing pause" [ "$(grep '^sleep' "$CASE/state/calls" | tr '\n' ' ')" = "sleep 10 sleep 30 " ]
check "saying so" has_text "$CASE/out" "apt-get update failed (attempt 1 of 3); trying again in 10 s"
check "apt's reason for wine32:i386 is shown" \
  has_text "$CASE/out" "wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4)"
all_others=true
for package in $build_packages $test_packages; do
  [ "$package" = wine32:i386 ] && continue
  grep -qxF "$package" "$CASE/state/installed" || { all_others=false; echo "not installed: $package"; }
done
check "every other package is installed" $all_others
check "and the browser tests' driver" [ -d "$CASE/tree/tests/web/node_modules/playwright-core" ]
check "the summary names wine32:i386 alone, and its tests" \
  [ "$(sed -n '/could not install/,$p' "$CASE/out")" = "tools/install-deps.sh: could not install 1 package(s):
  wine32:i386: these tests will be skipped: windows_i686_*_under_wine" ]
run missing test
check "missing test: the package and its tests" [ "$(cat "$CASE/out")" = "wine32:i386 windows_i686_*_under_wine" ]

echo "== check-skips after that run"
if [ "$(id -u)" = 0 ]; then
  as_user=RunConversionTest.AnUnreadableInputCannotBeOpened
else
  as_user=MachineFaults.AnUnreadableInputCannotBeOpenedEvenByTheSuperuser
fi
skips() { # skips TEST...: what ctest prints at its end
  echo "The following tests did not run:"
  local number=1 test
  for test; do printf '\t%3d - %s (Skipped)\n' $((number++)) "$test"; done
}
check_skips() {
  env -i PATH="$CASE/bin:$system" STATE="$CASE/state" QUORVEL_WINE32_LOADER=/bin/true bash "$CASE/tree/tools/check-skips.sh" \
    "$CASE/ctest.log" >"$CASE/out" 2>&1
}
skips windows_i686_engine_tests_under_wine windows_i686_dialog_under_wine "$as_user" \
  >"$CASE/ctest.log"
check_skips
check "skips for the missing package and this user pass" [ $? = 0 ]
check "each named with its reason" has_line "$CASE/out" \
  "check-skips: windows_i686_dialog_under_wine skipped: wine32:i386 is not installed"
skips windows_i686_engine_tests_under_wine windows_x86_64_dialog_under_wine >"$CASE/ctest.log"
check_skips
check "a skip of an installed package's test fails" [ $? = 1 ]
check "naming it" has_line "$CASE/out" \
  "check-skips: windows_x86_64_dialog_under_wine skipped for no missing package"
# The test's own line names the package: a pattern that fits is not enough.
mkdir -p "$CASE/build/Testing/Temporary"
cat >"$CASE/build/Testing/Temporary/LastTest.log" <<'EOF'
1/1 Test: windows_i686_engine_tests_under_wine
Output:
----------------------------------------------------------
g++-mingw-w64-i686-posix: not installed; install it with: apt-get install g++-mingw-w64-i686-posix
<end of output>
EOF
skips windows_i686_engine_tests_under_wine >"$CASE/ctest.log"
env -i PATH="$CASE/bin:$system" STATE="$CASE/state" QUORVEL_WINE32_LOADER=/bin/true bash "$CASE/tree/tools/check-skips.sh" \
  "$CASE/ctest.log" "$CASE/build" >"$CASE/out" 2>&1
check "a skip that names an installed package fails" [ $? = 1 ]
echo "100% tests passed, 0 tests failed out of 3" >"$CASE/ctest.log"
check_skips
check "no skip passes" [ $? = 0 ]

echo "== build: the first update fails, g++ cannot be installed"
new_case build-without-compiler
echo 1 >"$CASE/state/update-failures"
echo g++ >"$CASE/state/refused"
run build
status=$?
check "exit 1" [ "$status" = 1 ]
check "apt-get update is tried again once" [ "$(grep -cx 'apt-get update' "$CASE/state/calls")" = 2 ]
check "the summary names g++ and its cost" has_line "$CASE/out" "  g++: nothing builds"
check "the others are installed" [ "$(sort "$CASE/state/installed" | tr '\n' ' ')" = \
  "ca-certificates cmake libgtest-dev make " ]
check "no i386 architecture for a build" [ ! -s "$CASE/state/foreign" ]

echo "== build: everything there"
new_case build-installed
echo "$build_packages" >"$CASE/state/installed"
run build
status=$?
check "exit 0" [ "$status" = 0 ]
check "says so" has_line "$CASE/out" "tools/install-deps.sh: all build packages are installed"
check "and calls no apt-get" [ ! -e "$CASE/state/calls" ]

echo "$failures failed"
[ "$failures" = 0 ]
