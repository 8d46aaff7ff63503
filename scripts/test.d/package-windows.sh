# The Windows archive (scripts/package-windows) works for a host author.
bash tests/install/windows.sh build/windows
