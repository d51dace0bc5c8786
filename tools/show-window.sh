#!/bin/sh
# Opens the real window (lexiglean-standin.exe, the stand-in recogniser) under Wine, on $DISPLAY or
# else on a private X server, saves a picture of it as build/windows/screenshots/main-job.png and
# closes it with "E&xit". The Wine server is stopped afterwards, so nothing keeps running.
set -eu
cd "$(dirname "$0")/.."
tools/install-packages.sh all
cmake --preset windows > /dev/null
cmake --build --preset windows -j2 --target lexiglean-standin lexiglean_show_window
build=$(pwd)/build/windows
export LEXIGLEAN_WINDOWS_BUILD="$build" LEXIGLEAN_USE_DISPLAY=1
status=0
tests/win32/run-smoke-test.sh "$build/tests/win32/lexiglean_show_window.exe" "$build/lexiglean-standin.exe" \
  "$build/screenshots" || status=$?
tests/win32/wine-prefix.sh stop
exit $status
