#!/usr/bin/env bash
# Checks the release files that `cmake --workflow --preset dist` wrote into
# dist/, as a user would use them:
#   - SHA256SUMS covers every file and `sha256sum -c` accepts it;
#   - each Debian package (quorvel, libquorvel1, libquorvel-dev) holds what it
#     should: the library with its soname and shlibs file, the development
#     files, the programs without the library; lintian finds no error in any;
#   - the packages install with apt-get; the installed quorvel-convert
#     converts every sample exactly to samples/expected/, `man
#     quorvel-convert` renders, the window finds its libraries; the installed
#     library exports exactly the header's functions; the C example, built
#     against the installed library through pkg-config and through
#     find_package(Quorvel), and the wheel, installed with pip into a venv
#     offline, convert every sample exactly as quorvel-convert does; the
#     packages remove cleanly;
#   - each Windows zip holds its four files, the texts with CR LF line ends, and
#     its quorvel-convert.exe converts every sample under wine exactly as on
#     Linux (the 32-bit one is skipped, naming wine32:i386, where that is
#     missing).
# Installing needs root (or sudo). A quorvel or libquorvel package installed
# before is refused rather than replaced.
#   tools/check-dist.sh [DIST_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
# missing_package_line names a missing package, as the tests do.
. "$repo/tests/missing_package.sh"
dist=$(cd "${1:-dist}" && pwd)

version=$(sed -n 's/^project(Quorvel VERSION \([0-9.]*\)[ )].*/\1/p' CMakeLists.txt)
packages=(quorvel libquorvel1 libquorvel-dev)
debs=()
for package in "${packages[@]}"; do debs+=("$dist/${package}_${version}_amd64.deb"); done
deb=${debs[0]}
wheel=$dist/quorvel-$version-py3-none-any.whl
# The samples and their regions, as tests/samples_test.cpp converts them.
samples=(pa-qso-party:PA us-counties-qso-party:USCQP naqp:NAQP 7qp-neqp-inqp:MULTI)
# The conversion adds seconds in local time: the same zone on Linux and under
# wine, whose C runtime reads the POSIX form.
export TZ=EST5EDT

failures=0
pass() { echo "ok: $*"; }
fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

as_root=()
if [ "$(id -u)" != 0 ]; then as_root=(sudo); fi

work=$(mktemp -d)
installed_here=false
cleanup() {
  if $installed_here; then
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y \
      "${packages[@]}" >/dev/null 2>&1 || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Converts every sample with PROGRAM (and any runner before it) in a folder of
# its own, and compares the output and the printed listing with the expected
# files. Output lines may end in CR LF on Windows consoles: the listing is
# compared without CRs.
convert_samples() {
  local label=$1 folder=$2
  shift 2
  mkdir -p "$folder"
  local sample name region
  for sample in "${samples[@]}"; do
    name=${sample%%:*}
    region=${sample#*:}
    cp "$repo/samples/$name.adi" "$folder/in-$name.adi"
    if ! (cd "$folder" && timeout 120 "$@" --region "$region" "in-$name.adi" "$name.adi" \
      </dev/null >"$name.listing" 2>"$name.err"); then
      fail "$label: converting $name: $(cat "$folder/$name.err")"
      continue
    fi
    tr -d '\r' <"$folder/$name.listing" >"$folder/$name.txt"
    if cmp -s "$folder/$name.adi" "$repo/samples/expected/$name.adi" &&
      cmp -s "$folder/$name.txt" "$repo/samples/expected/$name.txt"; then
      pass "$label converts $name as expected"
    else
      fail "$label: $name differs from samples/expected"
      diff "$folder/$name.txt" "$repo/samples/expected/$name.txt" >&2 || true
    fi
  done
}

check_checksums() {
  local listed present
  listed=$(awk '{ print $2 }' "$dist/SHA256SUMS" | sort)
  present=$(cd "$dist" && ls | grep -vx SHA256SUMS | sort)
  if [ "$listed" = "$present" ]; then pass "SHA256SUMS lists every file"; else
    fail "SHA256SUMS lists '$listed', dist/ has '$present'"
  fi
  if (cd "$dist" && sha256sum --quiet --strict -c SHA256SUMS); then pass "sha256sum -c"; else
    fail "sha256sum -c SHA256SUMS"
  fi
}

# The files (not folders) a package holds, one per line, sorted.
package_files() { dpkg-deb -c "$1" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./|/|' | sort; }

check_package_contents() {
  local libdir expected listed
  libdir=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)
  expected=$(printf '%s\n' "$libdir/libquorvel.so.1" "$libdir/libquorvel.so.${version%.*}" \
    /usr/share/doc/libquorvel1/changelog.gz /usr/share/doc/libquorvel1/copyright | sort)
  listed=$(package_files "${debs[1]}")
  if [ "$listed" = "$expected" ]; then pass "libquorvel1 holds the library"; else
    fail "libquorvel1 holds: $listed"
  fi
  expected=$(printf '%s\n' /usr/include/quorvel.h "$libdir/libquorvel.so" \
    "$libdir/pkgconfig/quorvel.pc" \
    "$libdir"/cmake/Quorvel/Quorvel{Config,ConfigVersion,Targets,Targets-release}.cmake \
    /usr/share/doc/libquorvel-dev/changelog.gz /usr/share/doc/libquorvel-dev/copyright | sort)
  listed=$(package_files "${debs[2]}")
  if [ "$listed" = "$expected" ]; then pass "libquorvel-dev holds the development files"; else
    fail "libquorvel-dev holds: $listed"
  fi
  # The programs link the engine statically: no library file is theirs.
  listed=$(package_files "$deb" | grep -e '^/usr/lib/.*\.so' -e '^/usr/include/' || true)
  if [ -z "$listed" ]; then pass "quorvel holds no library files"; else
    fail "quorvel holds library files: $listed"
  fi
  local shlibs depends
  shlibs=$(dpkg-deb -I "${debs[1]}" shlibs 2>&1) || true
  if [ "$shlibs" = "libquorvel 1 libquorvel1 (>= $version)" ]; then pass "libquorvel1's shlibs"; else
    fail "libquorvel1's shlibs file: '$shlibs'"
  fi
  depends=$(dpkg-deb -f "${debs[2]}" Depends)
  if [[ ", $depends," == *", libquorvel1 (= $version),"* ]]; then
    pass "libquorvel-dev depends on its libquorvel1"
  else
    fail "libquorvel-dev depends on '$depends'"
  fi
}

# The C example (built against the installed library as PROGRAM) converts
# every sample from memory to memory: the log as samples/expected/ has it, the
# listing as quorvel-convert prints it for "- -".
convert_samples_with_example() {
  local label=$1 program=$2 sample name region
  for sample in "${samples[@]}"; do
    name=${sample%%:*}
    region=${sample#*:}
    if ! "$program" "$region" <"$repo/samples/$name.adi" >"$work/$name.example.adi" \
      2>"$work/$name.example.txt"; then
      fail "$label: converting $name: $(cat "$work/$name.example.txt")"
    elif cmp -s "$work/$name.example.adi" "$repo/samples/expected/$name.adi" &&
      sed "s/ QSOs to $name.adi\$/ QSOs/" "$repo/samples/expected/$name.txt" |
      cmp -s - "$work/$name.example.txt"; then
      pass "$label converts $name as expected"
    else
      fail "$label: $name differs from samples/expected"
    fi
  done
}

check_installed_library() {
  local library exported declared
  library=/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/libquorvel.so.1
  exported=$(nm -D --defined-only "$library" | awk '$2 != "A" { print $3 }' | sed 's/@.*//' | sort)
  declared=$(sed -n 's/^QUORVEL_API .*\b\(quorvel_[a-z_]*\)(.*/\1/p' "$repo/include/quorvel.h" | sort)
  if [ -n "$declared" ] && [ "$exported" = "$declared" ]; then
    pass "libquorvel.so.1 exports exactly the header's functions"
  else
    fail "libquorvel.so.1 exports: $exported"
  fi
  if readelf -d "$library" | grep -q 'SONAME.*\[libquorvel\.so\.1\]'; then
    pass "libquorvel.so.1's soname"
  else
    fail "libquorvel.so.1's soname: $(readelf -d "$library" | grep SONAME)"
  fi

  if ! command -v pkg-config >/dev/null; then
    echo "SKIPPED: the C example through pkg-config: $(missing_package_line pkg-config)"
  else
    # shellcheck disable=SC2046
    if cc -std=c99 -Wall -Wextra -Werror -o "$work/example-pc" "$repo/examples/convert_memory.c" \
      $(pkg-config --cflags --libs quorvel); then
      convert_samples_with_example "the C example (pkg-config)" "$work/example-pc"
    else
      fail "the C example does not build through pkg-config"
    fi
  fi
  mkdir -p "$work/example-cmake"
  printf '%s\n' 'cmake_minimum_required(VERSION 3.25)' 'project(example C)' \
    "find_package(Quorvel $version REQUIRED)" \
    "add_executable(convert_memory \"$repo/examples/convert_memory.c\")" \
    'target_link_libraries(convert_memory PRIVATE Quorvel::quorvel)' \
    >"$work/example-cmake/CMakeLists.txt"
  if cmake -S "$work/example-cmake" -B "$work/example-cmake/build" >/dev/null &&
    cmake --build "$work/example-cmake/build" >/dev/null; then
    convert_samples_with_example "the C example (find_package)" \
      "$work/example-cmake/build/convert_memory"
  else
    fail "the C example does not build through find_package(Quorvel)"
  fi
}

# The wheel, installed into a fresh venv offline, over the installed library:
# its conversions from file to file and in memory give the program's bytes.
check_wheel() {
  local expected listed
  expected=$(printf '%s\n' quorvel/__init__.py quorvel/py.typed \
    "quorvel-$version.dist-info/"{METADATA,RECORD,WHEEL,top_level.txt} | sort)
  listed=$(unzip -Z1 "$wheel" | sort)
  if [ "$listed" = "$expected" ]; then pass "the wheel holds the package"; else
    fail "the wheel holds: $listed"
  fi
  if ! /usr/bin/python3 -c 'import ensurepip' 2>/dev/null; then
    echo "SKIPPED: the wheel in a venv: $(missing_package_line python3-venv)"
    return
  fi
  if ! /usr/bin/python3 -m venv "$work/venv" ||
    ! "$work/venv/bin/pip" install -q --no-index --no-cache-dir --disable-pip-version-check \
      "$wheel"; then
    fail "pip install --no-index $wheel"
    return
  fi
  pass "pip install --no-index of the wheel"
  # As quorvel-convert --region REGION INPUT OUTPUT, and the same in memory.
  local script='import sys, quorvel
_, _, region, source, target = sys.argv
result = quorvel.convert(source, target, region=region)
print(result.listing, end="")
memory = quorvel.convert_bytes(open(source, "rb").read(), region=region)
if memory.output != open(target, "rb").read():
    sys.exit("convert_bytes gives other bytes than convert")'
  convert_samples "the wheel's quorvel.convert" "$work/wheel" \
    env -u QUORVEL_LIBRARY -u PYTHONPATH -u LD_LIBRARY_PATH "$work/venv/bin/python" -c "$script"
}

check_package() {
  check_package_contents
  local file package
  for file in "${debs[@]}"; do
    if lintian --fail-on error "$file"; then pass "lintian: no errors in ${file##*/}"; else
      fail "lintian: errors in ${file##*/}"
    fi
  done

  for package in "${packages[@]}"; do
    if dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed; then
      fail "a $package package is installed already; remove it first"
      return
    fi
  done
  if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${debs[@]}"; then
    fail "apt-get install ${debs[*]}"
    return
  fi
  installed_here=true
  pass "apt-get install"

  local program
  for program in quorvel-convert quorvel-gui; do
    if [ "$(command -v $program)" = /usr/bin/$program ] && dpkg -S /usr/bin/$program >/dev/null; then
      pass "/usr/bin/$program is the package's"
    else
      fail "/usr/bin/$program is not installed by the package"
    fi
  done
  if [ "$(/usr/bin/quorvel-convert --version)" = "quorvel-convert (Quorvel) ${version%.*.*}" ]; then
    pass "quorvel-convert --version"
  else
    fail "quorvel-convert --version says '$(/usr/bin/quorvel-convert --version)'"
  fi
  convert_samples "the installed quorvel-convert" "$work/deb" /usr/bin/quorvel-convert

  # What apt-get installed from the computed dependencies is all the window needs.
  if ldd /usr/bin/quorvel-gui | grep -q 'not found'; then
    fail "quorvel-gui lacks libraries: $(ldd /usr/bin/quorvel-gui | grep 'not found')"
  else
    pass "quorvel-gui finds its libraries"
  fi

  local page warnings
  page=$(MANWIDTH=80 man quorvel-convert 2>/dev/null) || true
  warnings=$(MANWIDTH=80 man --warnings quorvel-convert 2>&1 >/dev/null) || true
  if grep -q '^NAME' <<<"$page" && grep -q 'EXIT STATUS' <<<"$page" && [ -z "$warnings" ]; then
    pass "man quorvel-convert renders"
  else
    fail "man quorvel-convert: ${warnings:-no page}"
  fi

  check_installed_library
  check_wheel

  if "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y \
    "${packages[@]}"; then
    installed_here=false
  fi
  local package left=""
  for package in "${packages[@]}"; do
    if dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null | grep -qx installed ||
      [ -e "/usr/share/doc/$package" ]; then
      left+=" $package"
    fi
  done
  if [ -n "$left" ] || [ -e /usr/bin/quorvel-convert ] || [ -e /usr/include/quorvel.h ] ||
    compgen -G "/usr/lib/*/libquorvel*" >/dev/null; then
    fail "the packages did not remove cleanly:$left"
  else
    pass "apt-get remove --purge leaves nothing behind"
  fi
}

check_zip_files() {
  local tag=$1 folder=$2 expected listed file
  expected=$(printf '%s\n' LICENSE.txt Quorvel.exe README.txt quorvel-convert.exe | sort)
  listed=$(cd "$folder" && find . -type f | sed 's|^\./||' | sort)
  if [ "$listed" = "$expected" ]; then pass "$tag zip holds its four files"; else
    fail "$tag zip holds: $listed"
  fi
  for file in README.txt LICENSE.txt; do
    # Every line ends in CR LF: no LF without a CR before it.
    if [ -s "$folder/$file" ] && [ "$(tail -c1 "$folder/$file" | od -An -c | tr -d ' ')" = '\n' ] &&
      [ "$(grep -c $'\r$' "$folder/$file")" = "$(wc -l <"$folder/$file")" ]; then
      pass "$tag $file has CR LF line ends"
    else
      fail "$tag $file does not have CR LF line ends"
    fi
  done
}

check_zips() {
  local tag zip folder
  for tag in win32 win64; do
    zip=$dist/Quorvel-$version-$tag.zip
    folder=$work/$tag
    mkdir -p "$folder"
    if ! unzip -q "$zip" -d "$folder"; then
      fail "unzip $zip"
      continue
    fi
    folder=$folder/Quorvel-$version-$tag
    check_zip_files "$tag" "$folder"
  done
  # One wine session for both zips; it ends with the subshell. Where a wine
  # package is missing the line that names it says so (exit 77), as the tests
  # under wine do.
  local status=0
  (
    failures=0
    . "$repo/tests/wine/wine_session.sh"
    wine_session_start "$work/wine" wine64 "$work/win64/Quorvel-$version-win64/quorvel-convert.exe"
    for tag in win32 win64; do
      exe=$work/$tag/Quorvel-$version-$tag/quorvel-convert.exe
      if [ $tag = win32 ] && ! wine_session_runs "$exe" "$work/wine/wineboot.log" &&
        ! package_installed wine32:i386; then
        echo "SKIPPED: the $tag quorvel-convert.exe under wine: $(missing_package_line wine32:i386)"
        continue
      fi
      convert_samples "the $tag quorvel-convert.exe" "$work/wine-$tag" wine "$exe"
    done
    exit "$failures"
  ) || status=$?
  if [ $status = 77 ]; then
    echo "SKIPPED: the zips' quorvel-convert.exe under wine"
  else
    failures=$((failures + status))
  fi
}

for file in "${debs[@]}" "$wheel" "$dist/Quorvel-$version-win32.zip" \
  "$dist/Quorvel-$version-win64.zip" "$dist/SHA256SUMS"; do
  [ -f "$file" ] || fail "missing: $file"
done
if [ "$failures" != 0 ]; then exit 1; fi

check_checksums
check_package
check_zips
if [ -f "$dist/quorvel-$version.html" ]; then pass "web page quorvel-$version.html is there"; fi

if [ "$failures" != 0 ]; then
  echo "tools/check-dist.sh: $failures checks failed" >&2
  exit 1
fi
echo "tools/check-dist.sh: every release file works"
