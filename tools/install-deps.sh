#!/usr/bin/env bash
# Installs the Debian packages Quorvel needs that are missing:
#   tools/install-deps.sh build   what building and converting needs
#   tools/install-deps.sh test    that and everything the whole test suite needs
# The one list of packages: the README's quick start and CI both use it.
set -euo pipefail

usage() {
  echo "usage: tools/install-deps.sh build|test" >&2
  exit 2
}
[ $# -eq 1 ] || usage

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
  clang libclang-rt-14-dev
  emscripten nodejs npm chromium
  dpkg-dev fakeroot file lintian man-db zip unzip
)

case "$1" in
  build) wanted=("${build_packages[@]}") ;;
  test) wanted=("${test_packages[@]}") ;;
  *) usage ;;
esac

if ! command -v apt-get >/dev/null 2>&1 || ! command -v dpkg-query >/dev/null 2>&1; then
  echo "tools/install-deps.sh: this system has no apt-get; install these packages" \
    "(Debian names) with its package manager, then run the command again:" >&2
  echo "  ${wanted[*]}" >&2
  exit 1
fi

installed() {
  # Node.js may come from elsewhere, with npm built in: the commands count.
  case "$1" in
    nodejs) command -v node >/dev/null 2>&1 && return 0 ;;
    npm) command -v npm >/dev/null 2>&1 && return 0 ;;
  esac
  [ "$(dpkg-query -W -f='${db:Status-Status}' "$1" 2>/dev/null)" = installed ]
}

# The browser tests' driver, pinned in tests/web/package.json (it uses the
# system's chromium, so no browser is downloaded).
install_web_driver() {
  [ "$1" = test ] || return 0
  local web
  web="$(cd "$(dirname "$0")/.." && pwd)/tests/web"
  [ -d "$web/node_modules/playwright-core" ] && return 0
  echo "tools/install-deps.sh: installing the browser tests' npm driver in tests/web"
  (cd "$web" && npm ci --no-audit --no-fund)
}

missing=()
for package in "${wanted[@]}"; do
  installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "tools/install-deps.sh: all $1 packages are installed"
  install_web_driver "$1"
  exit 0
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
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
install_web_driver "$1"
