#!/usr/bin/env bash
# Installs the Debian packages Quorvel needs that are missing:
#   tools/install-deps.sh build   what building and converting needs
#   tools/install-deps.sh test    that and everything the whole test suite needs
#   tools/install-deps.sh missing build|test
#                                 installs nothing: one line per missing package,
#                                 "PACKAGE TESTS" (the pattern of the CTest tests
#                                 that report themselves skipped without it, or -)
# The one list of packages: the README's quick start and CI both use it.
#
# A mirror that fails to serve an index (apt-get update exits 100, "Mirror sync
# in progress?") is retried; after that the lists apt has are used, every
# package that can be installed is, and the end names each one that could not
# be and what it costs. A missing build package is exit 1; a missing test
# package is not, so that the test command still builds and runs the rest
# (the tests that need it report themselves skipped, naming it).
set -euo pipefail

usage() {
  echo "usage: tools/install-deps.sh build|test|missing build|test" >&2
  exit 2
}

build_packages=(ca-certificates cmake make g++ libgtest-dev)

# Everything the test command runs: the Windows cross builds and wine, the Qt
# window, the web page in a browser, the release packages and their checks,
# the sanitizer and fuzzing builds, the benchmarks.
test_packages=(
  "${build_packages[@]}"
  libgmock-dev libbenchmark-dev python3 tzdata
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386 xvfb xauth imagemagick
  qt6-base-dev desktop-file-utils fonts-dejavu-core
  clang libclang-rt-14-dev llvm
  emscripten nodejs npm chromium
  dpkg-dev fakeroot file lintian man-db zip unzip pkg-config python3-pytest python3-venv
)

# The CTest tests that skip, naming the package, where it is missing.
declare -A skipped_tests=(
  [g++-mingw-w64-i686-posix]='windows_i686_*'
  [g++-mingw-w64-x86-64-posix]='windows_x86_64_*'
  [wine]='windows_*_under_wine'
  [wine64]='windows_*_under_wine'
  [wine32:i386]='windows_i686_*_under_wine'
  [xvfb]='windows_*_under_wine'
  [qt6-base-dev]='QtWindow*'
  [emscripten]='web_page_*'
  [nodejs]='web_page_*'
  [npm]='web_page_*'
  [chromium]='web_page_*'
  [playwright-core]='web_page_*'
  [pkg-config]='installed_library_example'
  [python3-pytest]='python_package*'
  [python3-venv]='python_package_installed'
)
# What the others cost.
cost() {
  case $1 in
    ca-certificates | cmake | make | g++ | libgtest-dev) echo "nothing builds" ;;
    libgmock-dev | libbenchmark-dev) echo "the benchmarks do not build" ;;
    python3) echo "the benchmark scripts do not run and the release has no wheel (dist fails)" ;;
    tzdata) echo "the tests in US Eastern time fail" ;;
    xauth | imagemagick | fonts-dejavu-core) echo "the screenshots are not taken or look wrong" ;;
    desktop-file-utils) echo "the desktop entry is not validated" ;;
    clang | libclang-rt-14-dev) echo "fuzz/run-smoke.sh and the coverage workflow fail" ;;
    llvm) echo "the coverage workflow (llvm-profdata, llvm-cov) fails" ;;
    *) echo "the release files (cmake --workflow --preset dist, tools/check-dist.sh) fail" ;;
  esac
}

dpkg_installed() { [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]; }

# wine32's loader is a 32-bit program. A machine whose kernel runs no 32-bit
# programs cannot start it ("Exec format error", status 126), and while it is
# installed wine starts no 64-bit program either: there it counts as missing,
# and is removed again after an install.
wine32_loader=${QUORVEL_WINE32_LOADER:-/usr/lib/wine/wine}
wine32_runs() {
  local status=0
  "$wine32_loader" --version >/dev/null 2>&1 || status=$?
  [ "$status" -ne 126 ]
}

installed() {
  # Node.js may come from elsewhere, with npm built in: the commands count.
  case "$1" in
    nodejs) command -v node >/dev/null 2>&1 && return 0 ;;
    npm) command -v npm >/dev/null 2>&1 && return 0 ;;
    wine32:i386) dpkg_installed "$1" && wine32_runs; return ;;
  esac
  dpkg_installed "$1"
}

here=$(cd "$(dirname "$0")/.." && pwd)
web_driver_installed() { [ -d "$here/tests/web/node_modules/playwright-core" ]; }

# The packages of LEVEL that are missing, and the browser tests' npm driver.
missing_of() {
  local package wanted=("${build_packages[@]}")
  [ "$1" = test ] && wanted=("${test_packages[@]}")
  for package in "${wanted[@]}"; do
    installed "$package" || echo "$package"
  done
  if [ "$1" = test ] && ! web_driver_installed; then echo playwright-core; fi
}

if [ "${1:-}" = missing ]; then
  [ $# -eq 2 ] && [[ $2 == build || $2 == test ]] || usage
  command -v dpkg-query >/dev/null 2>&1 || { echo "tools/install-deps.sh: no dpkg-query" >&2; exit 1; }
  missing_of "$2" | while read -r package; do
    echo "$package ${skipped_tests[$package]:--}"
  done
  exit 0
fi
[ $# -eq 1 ] || usage
case "$1" in
  build) wanted=("${build_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  *) usage ;;
esac
level=$1

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
  echo "tools/install-deps.sh: this system has no apt-get; install these packages" \
    "(Debian names) with its package manager, then run the command again:" >&2
  echo "  ${wanted[*]}" >&2
  exit 1
fi

# The browser tests' driver, pinned in tests/web/package.json (it uses the
# system's chromium, so no browser is downloaded). Without npm, or without the
# registry, it stays missing and the summary says so.
install_web_driver() {
  [ "$level" = test ] || return 0
  web_driver_installed && return 0
  command -v npm >/dev/null 2>&1 || return 0
  echo "tools/install-deps.sh: installing the browser tests' npm driver in tests/web"
  (cd "$here/tests/web" && npm ci --no-audit --no-fund) ||
    echo "tools/install-deps.sh: npm ci in tests/web failed" >&2
}

# The end: each package still missing and what it costs. Exit 1 when the
# build itself lacks one.
summary() {
  local still build_missing=false package
  mapfile -t still < <(missing_of "$level")
  if [ ${#still[@]} -eq 0 ]; then
    echo "tools/install-deps.sh: all $level packages are installed"
    return 0
  fi
  echo "tools/install-deps.sh: could not install ${#still[@]} package(s):"
  for package in "${still[@]}"; do
    if [ -n "${skipped_tests[$package]:-}" ]; then
      echo "  $package: these tests will be skipped: ${skipped_tests[$package]}"
    else
      echo "  $package: $(cost "$package")"
    fi
    [[ " ${build_packages[*]} " == *" $package "* ]] && build_missing=true
  done
  if $build_missing; then
    echo "tools/install-deps.sh: the build cannot run without them" >&2
    return 1
  fi
  return 0
}

missing=()
for package in "${wanted[@]}"; do
  installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  install_web_driver
  summary
  exit
fi

as_root=()
if [ "$(id -u)" != 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "tools/install-deps.sh: run as root, or install sudo; missing: ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "tools/install-deps.sh: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
# wine32 runs the 32-bit Quorvel.exe; the i386 architecture must be there first,
# and wine32 must be installed before any wine prefix is created.
for package in "${missing[@]}"; do
  if [[ $package == *:i386 ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    "${as_root[@]}" dpkg --add-architecture i386
  fi
done

# A mirror being synced serves a changed index for a while: try again after a
# growing pause, then go on with the lists apt has.
pause=10
for attempt in 1 2 3; do
  "${as_root[@]}" apt-get update && break
  if [ $attempt -eq 3 ]; then
    echo "tools/install-deps.sh: apt-get update failed 3 times; going on with the package" \
      "lists apt has" >&2
    break
  fi
  echo "tools/install-deps.sh: apt-get update failed (attempt $attempt of 3); trying again" \
    "in $pause s" >&2
  sleep $pause
  pause=$((pause * 3))
done

# One package that cannot be installed (one from a failed index) fails the
# whole transaction: then apt is asked about each package on its own, and the
# ones it can install are installed together.
apt_install() { "${as_root[@]}" apt-get install -y --no-install-recommends "$@"; }
if ! apt_install "${missing[@]}"; then
  echo "tools/install-deps.sh: installing them together failed; trying each" >&2
  installable=()
  for package in "${missing[@]}"; do
    if answer=$("${as_root[@]}" apt-get install -s -y --no-install-recommends "$package" 2>&1)
    then
      installable+=("$package")
    else
      echo "tools/install-deps.sh: $package cannot be installed:" >&2
      grep -E '^(E:| )' <<<"$answer" | head -n 6 | sed 's/^/    /' >&2 || true
    fi
  done
  if [ ${#installable[@]} -gt 0 ] && ! apt_install "${installable[@]}"; then
    for package in "${installable[@]}"; do
      installed "$package" || apt_install "$package" || true
    done
  fi
fi
if dpkg_installed wine32:i386 && ! wine32_runs; then
  echo "tools/install-deps.sh: this machine runs no 32-bit programs, so wine32:i386 cannot" \
    "start, and beside it wine starts no 64-bit program either: removing it" >&2
  "${as_root[@]}" apt-get remove -y wine32:i386 || true
fi
install_web_driver
summary
