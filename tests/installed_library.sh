#!/bin/bash
# Installs libquorvel into a fresh prefix and builds the C example against it
# through pkg-config, as another program would; the example converts a sample
# exactly to its checked output.
set -euo pipefail
build=$1 source=$2
command -v pkg-config >/dev/null || exec bash "$source/tests/missing_package.sh" pkg-config
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" --component lib >/dev/null
cmake --install "$build" --prefix "$work/prefix" --component dev >/dev/null
pc=$(dirname "$(find "$work/prefix" -name quorvel.pc)")
export PKG_CONFIG_PATH=$pc
# shellcheck disable=SC2046
cc -std=c99 -Wall -Wextra -Werror -o "$work/convert_memory" "$source/examples/convert_memory.c" \
  $(pkg-config --cflags --libs quorvel)
LD_LIBRARY_PATH=$(pkg-config --variable=libdir quorvel) \
  "$work/convert_memory" PA <"$source/samples/pa-qso-party.adi" >"$work/out.adi" 2>"$work/listing.txt"
cmp "$work/out.adi" "$source/samples/expected/pa-qso-party.adi"
sed 's/ QSOs to pa-qso-party.adi$/ QSOs/' "$source/samples/expected/pa-qso-party.txt" |
  cmp - "$work/listing.txt"
echo "installed library and example: converted as expected"
