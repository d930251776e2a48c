#!/bin/bash
# tools/apt-sources.sh (the archives that tools/fresh-machine-check.sh takes
# from this machine's apt) on sample configurations of both formats.
#   apt_sources_test.sh SOURCE_DIR
set -u
. "$1/tools/apt-sources.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
expect() { # expect DESCRIPTION EXPECTED ACTUAL
  if [ "$2" = "$3" ]; then
    echo "ok:   $1"
  else
    echo "FAIL: $1"; echo "  expected: $2"; echo "  got:      $3"
    failures=$((failures + 1))
  fi
}

# deb822, as Debian 12 writes it, with what apt skips: comments, source
# entries, a disabled entry, a file that is not a .sources.
deb822=$work/deb822
mkdir -p "$deb822/sources.list.d"
cat >"$deb822/sources.list.d/os.sources" <<'EOF'
Types: deb
# http://old.example/snapshot/20250520T000000Z
URIs: http://main.example/archive/
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://source.example/archive
Suites: bookworm
Components: main

Types: deb
URIs: http://off.example/archive
Suites: bookworm-security
Enabled: no

types: deb deb-src
uris:
 http://security.example/archive-security
suites: bookworm-security
components: main
EOF
cat >"$deb822/sources.list.d/other.sources.disabled" <<'EOF'
Types: deb
URIs: https://disabled.example/apt
Suites: bookworm
EOF
expect "deb822: the entries apt uses, in order" \
  "http://main.example/archive/ bookworm
http://main.example/archive/ bookworm-updates
http://security.example/archive-security bookworm-security" "$(apt_archives "$deb822")"
expect "deb822: the archive" "http://main.example/archive" "$(apt_archive bookworm "$deb822")"
expect "deb822: the security archive" "http://security.example/archive-security" \
  "$(apt_archive bookworm-security "$deb822")"

# One-line entries, in sources.list and in a .list, read before the .sources.
one_line=$work/one-line
mkdir -p "$one_line/sources.list.d"
cat >"$one_line/sources.list" <<'EOF'
# deb http://commented.example/archive bookworm main
deb-src http://source.example/archive bookworm main
deb [arch=amd64 signed-by=/usr/share/keyrings/a.gpg] http://first.example/archive bookworm main contrib
deb http://first.example/archive bookworm-updates main # updates
EOF
cat >"$one_line/sources.list.d/security.list" <<'EOF'
	deb  http://second.example/security  bookworm-security main
EOF
cat >"$one_line/sources.list.d/z.sources" <<'EOF'
Types: deb
URIs: http://third.example/archive
Suites: bookworm
EOF
expect "one line: the archive, the first of two" "http://first.example/archive" \
  "$(apt_archive bookworm "$one_line")"
expect "one line: the security archive" "http://second.example/security" \
  "$(apt_archive bookworm-security "$one_line")"

apt_archive trixie "$one_line" >/dev/null
expect "a suite that no entry serves: status 1" 1 $?
expect "no configuration at all: nothing" "" "$(apt_archives "$work/none")"

echo "$failures failed"
[ "$failures" = 0 ]
