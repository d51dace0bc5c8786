#!/bin/sh
# Installs what is missing, builds the three presets (Linux, ASan + UBSan, Windows) and runs every test,
# then every fuzz target for 20 s.
# Exits non-zero when any build or test fails.
set -eu
cd "$(dirname "$0")/.."
tools/install-packages.sh all
jobs=$(nproc 2>/dev/null || echo 2)
status=0
for preset in linux asan windows; do
  echo "=== $preset: configure and build"
  mkdir -p build
  cmake --preset "$preset" > "build/configure-$preset.log" 2>&1 || { cat "build/configure-$preset.log"; exit 1; }
  cmake --build --preset "$preset" -j "$jobs" || exit 1
done
for preset in linux asan; do
  echo "=== $preset: tests"
  ctest --preset "$preset" -j "$jobs" || status=1
done
# A short run of every fuzz target (tools/fuzz.sh runs them as long as asked).
echo "=== fuzz: 20 s per target"
tools/fuzz.sh 20 || status=1
# The Windows tests share one Wine prefix and the program's single-instance mutex: one at a time.
echo "=== windows: tests (under Wine)"
ctest --preset windows || status=1
exit $status
