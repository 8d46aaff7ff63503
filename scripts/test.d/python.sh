# The Python package against the native build: every API and export test,
# then the wheels built by scripts/package-python, installed into a fresh
# virtual environment outside the tree, running the README's example.
set -euo pipefail
cd "$(dirname "$0")/../.."
lib=$PWD/build/native/libKodownik_W.so
[ -f "$lib" ] || { echo "python: $lib is missing (the native build makes it)"; exit 1; }
export KODOWNIK_LIBRARY=$lib PYTHONPATH=$PWD/python
python3 -m unittest discover -s python/tests -p 'test_*.py'
python3 -m unittest discover -s python/tests -p 'wheel_install.py'
