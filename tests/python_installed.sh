#!/bin/bash
# The Python package as a user installs it: `pip install --no-index ./python`
# into a fresh venv (offline, through the package's own build backend), over
# libquorvel installed into a fresh prefix and found by its soname. The
# package's tests then run from outside the source and build trees against
# that installed package.
set -euo pipefail
build=$1 source=$2 program=$3
/usr/bin/python3 -c 'import ensurepip' 2>/dev/null || exec bash "$source/tests/missing_package.sh" python3-venv
/usr/bin/python3 -c 'import pytest' 2>/dev/null || exec bash "$source/tests/missing_package.sh" python3-pytest
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" --component lib >/dev/null
libdir=$(dirname "$(find "$work/prefix" -name libquorvel.so.1)")
# The system's site packages give pytest; the venv's own come first.
/usr/bin/python3 -m venv --system-site-packages "$work/venv"
PIP_NO_INDEX=1 "$work/venv/bin/pip" install --no-index --no-cache-dir --disable-pip-version-check \
  -q "$source/python"
cp -r "$source/python/tests" "$work/tests"
cd "$work"
export -n PYTHONPATH QUORVEL_LIBRARY
export LD_LIBRARY_PATH=$libdir QUORVEL_SAMPLES=$source/samples QUORVEL_CONVERT=$program
where=$("$work/venv/bin/python" -c 'import quorvel; print(quorvel.__file__)')
[[ $where == "$work/venv/"* ]] || { echo "quorvel was imported from $where, not the venv" >&2; exit 1; }
"$work/venv/bin/python" -m pytest -q -p no:cacheprovider "$work/tests"
echo "installed package: converted as expected"
