#!/usr/bin/env bash
# Tries the README's two quick-start commands, verbatim, as a new user would:
# in a fresh minimal Debian 12 (debootstrap's minbase variant: no compiler, no
# cmake, no git), as root. Fails if either command fails or if a test is
# skipped for a reason that does not hold there (tools/check-skips.sh: only a
# package that tools/install-deps.sh could not install, or running as root).
#   sudo tools/fresh-machine-check.sh [--mirror URL] [FOLDER]
# FOLDER is build/fresh-machine unless given. The Debian archive and its
# security archive are the ones this machine's apt uses; --mirror URL names
# another Debian archive. Needs root, debootstrap and about 8 GB of disk;
# downloads about 1 GB.
set -euo pipefail
cd "$(dirname "$0")/.."
checkout=$PWD
. tools/apt-sources.sh

usage() {
  echo "usage: sudo tools/fresh-machine-check.sh [--mirror URL] [FOLDER]" >&2
  exit 2
}
mirror=""
folder=build/fresh-machine
while [ $# -gt 0 ]; do
  case $1 in
    --mirror) [ $# -ge 2 ] || usage; mirror=${2%/}; shift 2 ;;
    -*) usage ;;
    *) folder=$1; shift ;;
  esac
done

[ "$(id -u)" = 0 ] || { echo "fresh-machine-check: run as root" >&2; exit 2; }
command -v debootstrap >/dev/null || { echo "fresh-machine-check: install debootstrap" >&2; exit 2; }

if [ -z "$mirror" ] && ! mirror=$(apt_archive bookworm); then
  echo "fresh-machine-check: this machine's apt has no archive for bookworm; give --mirror URL" >&2
  exit 2
fi
security=$(apt_archive bookworm-security) || security=""
root=$(realpath -m "$folder")
log="$root.log"

# The two commands as the README gives them: the first two sh blocks of its
# quick start.
mapfile -t commands < <(awk '
  /^## Quick start/ { inside = 1; next }
  /^## / { inside = 0 }
  inside && /^```sh$/ { block = 1; next }
  inside && block && /^```$/ { block = 0; next }
  inside && block { print }' README.md)
[ ${#commands[@]} -eq 2 ] || { echo "fresh-machine-check: README quick start not found" >&2; exit 1; }

unmount_all() {
  for m in dev/pts dev/shm dev proc sys; do
    mountpoint -q "$root/$m" && umount -l "$root/$m"
  done
  return 0
}
trap unmount_all EXIT

rm -rf "$root"
echo "fresh-machine-check: debootstrap into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$log" 2>&1
# What a Debian 12 installation has: the updates and the security archive too.
{
  echo "deb $mirror bookworm main"
  echo "deb $mirror bookworm-updates main"
  if [ -n "$security" ]; then
    echo "deb $security bookworm-security main"
  else
    echo "fresh-machine-check: this machine's apt has no security archive; going on without" >&2
  fi
} >"$root/etc/apt/sources.list"

# A network behind an intercepting proxy needs its local certificate
# authorities inside too: the ca-certificates package that the build list
# installs adds them to the system's bundle, and Node.js (npm) reads that
# bundle only when told to.
extra_ca=()
if compgen -G "/usr/local/share/ca-certificates/*.crt" >/dev/null; then
  mkdir -p "$root/usr/local/share/ca-certificates"
  cp /usr/local/share/ca-certificates/*.crt "$root/usr/local/share/ca-certificates/"
  extra_ca=(NODE_EXTRA_CA_CERTS=/etc/ssl/certs/ca-certificates.crt)
fi

# The checkout's files (no git needed inside), and the shared real logs
# beside it where this checkout has them.
mkdir -p "$root/src/quorvel"
git -C "$checkout" ls-files -z | tar -C "$checkout" --null -T - -cf - | tar -C "$root/src/quorvel" -xf -
[ -d "$checkout/../shared" ] && cp -r "$checkout/../shared" "$root/src/shared"

mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --bind /dev "$root/dev"
mount --bind /dev/pts "$root/dev/pts"
mount -t tmpfs shm "$root/dev/shm"

run() {
  local started=$SECONDS
  echo "fresh-machine-check: $1"
  chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "${extra_ca[@]}" \
    /bin/bash -c "cd /src/quorvel && $1" 2>&1 | tee -a "$log"
  local status=${PIPESTATUS[0]}
  echo "fresh-machine-check: exit $status after $((SECONDS - started)) s" | tee -a "$log"
  return "$status"
}

run "${commands[0]}"
run "${commands[1]}"

# Each skipped test must be one that its missing package or running as root
# explains; the check runs inside, where the packages are.
cp "$log" "$root/src/quorvel/build/quick-start.log"
run "tools/check-skips.sh build/quick-start.log build/debug"
echo "fresh-machine-check: both quick-start commands passed; log in $log"
