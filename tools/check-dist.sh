#!/usr/bin/env bash
# Checks the release files that `cmake --workflow --preset dist` wrote into
# dist/, as a user would use them:
#   - SHA256SUMS covers every file and `sha256sum -c` accepts it;
#   - lintian finds no error in the Debian package;
#   - the package installs with apt-get, its quorvel-convert converts every
#     sample exactly to samples/expected/, `man quorvel-convert` renders, the
#     window finds its libraries, and the package removes cleanly;
#   - each Windows zip holds its four files, the texts with CR LF line ends, and
#     its quorvel-convert.exe converts every sample under wine exactly as on
#     Linux (the 32-bit one is skipped, naming wine32:i386, where that is
#     missing).
# Installing needs root (or sudo). A quorvel package installed before is
# refused rather than replaced.
#   tools/check-dist.sh [DIST_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)
dist=$(cd "${1:-dist}" && pwd)

version=$(sed -n 's/^project(Quorvel VERSION \([0-9.]*\)[ )].*/\1/p' CMakeLists.txt)
deb=$dist/quorvel_${version}_amd64.deb
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
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y quorvel \
      >/dev/null 2>&1 || true
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

check_package() {
  if lintian --fail-on error "$deb"; then pass "lintian: no errors"; else fail "lintian: errors"; fi

  if dpkg-query -W -f='${db:Status-Status}' quorvel 2>/dev/null | grep -qx installed; then
    fail "a quorvel package is installed already; remove it first"
    return
  fi
  if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb"; then
    fail "apt-get install $deb"
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

  if "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove --purge -y quorvel; then
    installed_here=false
  fi
  if dpkg-query -W -f='${db:Status-Status}' quorvel 2>/dev/null | grep -qx installed ||
    [ -e /usr/bin/quorvel-convert ] || [ -e /usr/share/doc/quorvel ]; then
    fail "the package did not remove cleanly"
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

for file in "$deb" "$dist/Quorvel-$version-win32.zip" "$dist/Quorvel-$version-win64.zip" \
  "$dist/SHA256SUMS"; do
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
