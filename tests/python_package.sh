#!/bin/bash
# The Python package's tests over the library just built.
set -euo pipefail
library=$1 source=$2 program=$3
/usr/bin/python3 -c 'import pytest' 2>/dev/null || exec bash "$source/tests/missing_package.sh" python3-pytest
export QUORVEL_LIBRARY=$library QUORVEL_SAMPLES=$source/samples QUORVEL_CONVERT=$program
export PYTHONPATH=$source/python
exec /usr/bin/python3 -m pytest -q -p no:cacheprovider "$source/python/tests"
