#!/bin/sh
# Makes PREFIX_DIR a Wine prefix (created when missing) in which the stand-in servers of build/windows
# are registered, so that lexiglean.exe runs there end to end over real COM:
#   - the recogniser: lexiglean-recogniser.dll (in process, regsvr32), or with --local-recogniser the
#     same server as the local-server lexiglean-recogniser.exe; --without-recogniser leaves it out;
#   - the word processor "Word.Application": lexiglean-word.exe (local server), which converts
#     documents through the Linux program build/linux/lexiglean-convert.
#
#   tools/wine-standins.sh [--local-recogniser | --without-recogniser] PREFIX_DIR
#
# Ends whatever still runs in the prefix. Needs the windows and linux presets built
# (LEXIGLEAN_WINDOWS_BUILD and LEXIGLEAN_LINUX_BUILD name other build folders). Exit status 0 when done,
# 1 when a build or Wine is missing, 2 for bad usage.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
usage="usage: $0 [--local-recogniser | --without-recogniser] PREFIX_DIR"
recogniser=in-process
case "${1:-}" in
  --local-recogniser) recogniser=local; shift ;;
  --without-recogniser) recogniser=none; shift ;;
  -*) echo "$usage" >&2; exit 2 ;;
esac
[ $# -eq 1 ] || { echo "$usage" >&2; exit 2; }

windows_build=${LEXIGLEAN_WINDOWS_BUILD:-$root/build/windows}
linux_build=${LEXIGLEAN_LINUX_BUILD:-$root/build/linux}
require() {  # file preset
  if [ ! -f "$1" ]; then
    echo "$1 is missing: build the $2 preset first (cmake --preset $2 && cmake --build --preset $2)" >&2
    exit 1
  fi
}
require "$windows_build/lexiglean-recogniser.dll" windows
require "$windows_build/lexiglean-recogniser.exe" windows
require "$windows_build/lexiglean-word.exe" windows
require "$linux_build/lexiglean-convert" linux

mkdir -p "$1"
LEXIGLEAN_WINEPREFIX=$(cd "$1" && pwd)
export LEXIGLEAN_WINEPREFIX LEXIGLEAN_WINDOWS_BUILD="$windows_build"
. "$root/tests/win32/wine-env.sh"
if [ ! -x "$WINE" ]; then
  echo "wine64 is not installed (Debian package wine64)" >&2
  exit 1
fi
"$root/tests/win32/wine-prefix.sh" ensure
# Programs still running in the prefix (a server of an earlier run among them) end first: COM would
# otherwise hand new clients the class objects of a server that is going away.
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w 2>/dev/null || true

windows_path() { printf 'Z:%s' "$(readlink -f "$1")" | tr / '\\'; }
quietly() { "$@" </dev/null >/dev/null 2>&1; }

# Whatever an earlier call registered goes first, so the prefix holds exactly what was asked for.
quietly "$WINE" regsvr32 /s /u "$(windows_path "$windows_build/lexiglean-recogniser.dll")" || true
quietly "$WINE" "$windows_build/lexiglean-recogniser.exe" /UnregServer || true
case $recogniser in
  in-process) quietly "$WINE" regsvr32 /s "$(windows_path "$windows_build/lexiglean-recogniser.dll")" ;;
  local) quietly "$WINE" "$windows_build/lexiglean-recogniser.exe" /RegServer ;;
esac
converter=$(readlink -f "$linux_build/lexiglean-convert")
quietly "$WINE" reg add 'HKCU\Software\Lexiglean\StandinConverter' /ve /d "$converter" /f
quietly "$WINE" "$windows_build/lexiglean-word.exe" /RegServer
# The server saves the registry when it ends; whoever uses the prefix next starts a fresh one.
"$WINESERVER" -w
echo "$LEXIGLEAN_WINEPREFIX: recogniser $recogniser, Word.Application registered"
