#!/bin/sh
# The recogniser through real COM under Wine: bench/com/com_bench in a prefix with the in-process
# server and in one with the local server (tools/wine-standins.sh), each on a fresh stand-in profile
# with the system word list: `bench/run-com-bench.sh [ITEMS [CALLS]]` (default 10,000 and 2,000). Prints recogniser calls per second and Create Spoken Forms' ratio of
# asking per rule application to keeping the answers.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build/windows
cmake --build --preset linux --target lexiglean-convert
cmake --build --preset windows -j2 --target com_bench lexiglean-recogniser lexiglean-recogniser-exe lexiglean-word
for mode in in-process local; do
  prefix=$build/bench-prefix-$mode
  if [ $mode = local ]; then tools/wine-standins.sh --local-recogniser "$prefix"; else tools/wine-standins.sh "$prefix"; fi
  profile=$(mktemp -d)
  echo "=== recogniser $mode"
  (
    export LEXIGLEAN_WINDOWS_BUILD="$build" LEXIGLEAN_WINEPREFIX="$prefix"
    . "$root/tests/win32/wine-env.sh"
    LEXIGLEAN_STANDIN_HOME="Z:$(printf '%s' "$profile" | tr / '\\')" "$WINE" "$build/bench/com/com_bench.exe" \
      'Z:\usr\share\dict\words' "${1:-10000}" "${2:-2000}" || echo "(exit status $?)"
    "$WINESERVER" -k 2>/dev/null || true
  )
  rm -rf "$profile"
done
