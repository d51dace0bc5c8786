#!/bin/sh
# The product under Wine: lexiglean.exe over the stand-in COM servers (tools/wine-standins.sh), on
# $DISPLAY or else on a private X server, runs the road of examples/search-phrases.lgs through its real
# window (the road driver clicks, answers and fills its dialogs), prints what it shows in
# lexiglean-script's format, and saves the harvested list with its spoken forms as
# build/windows/screenshots/main-job.png. The Wine server is stopped afterwards.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
tools/install-packages.sh all
cmake --preset linux > /dev/null
cmake --build --preset linux --target lexiglean-convert
cmake --preset windows > /dev/null
cmake --build --preset windows -j2 --target lexiglean lexiglean-recogniser lexiglean-recogniser-exe \
  lexiglean-word lexiglean_road_driver
build=$root/build/windows
tools/wine-standins.sh "$build/standins-prefix"
# The files the road writes; the script run wrote them before.
rm -f build/main-job/search-phrases/problems.txt build/main-job/search-phrases/phrases.txt
export LEXIGLEAN_WINDOWS_BUILD="$build" LEXIGLEAN_WINEPREFIX="$build/standins-prefix" LEXIGLEAN_USE_DISPLAY=1
export LEXIGLEAN_ROAD_PICTURE=main-job
status=0
(cd examples && "$root/tests/win32/run-smoke-test.sh" "$build/tests/win32/lexiglean_road_driver.exe" \
  "$build/lexiglean.exe" "$build/screenshots" "Z:$(printf '%s' "$root/examples/search-phrases.lgs" | tr / '\\')") ||
  status=$?
tests/win32/wine-prefix.sh stop
exit $status
