#!/bin/sh
# The main job: builds lexiglean-script and runs the example scripts in examples/ on the stand-in
# recogniser and the stand-in word processor, each with a fresh stand-in profile; then, where a
# display is present or Xvfb is installed, opens the real window under Wine and saves a screenshot.
set -eu
cd "$(dirname "$0")/.."
root=$(pwd)
tools/install-packages.sh linux
cmake --preset linux > /dev/null
cmake --build --preset linux --target lexiglean-script
for script in examples/*.lgs; do
  work="$root/build/main-job/$(basename "$script" .lgs)"
  rm -rf "$work" && mkdir -p "$work/profile" "$work/runtime"
  echo "### $script"
  (cd examples && LEXIGLEAN_STANDIN_HOME="$work/profile" XDG_RUNTIME_DIR="$work/runtime" \
    "$root/build/linux/lexiglean-script" "$(basename "$script")") || echo "(exit status $?)"
done
if [ -n "${DISPLAY:-}" ] || command -v xvfb-run > /dev/null 2>&1; then
  if [ -x tools/show-window.sh ]; then tools/show-window.sh; fi
fi
