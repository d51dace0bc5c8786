#!/bin/sh
# The build's Wine prefix and its server.
#   wine-prefix.sh ensure   creates the prefix if it is missing or unfinished (one caller at a time):
#                           wineboot; Wine's virtual desktop, so that hidden windows do not wait for
#                           a window manager; no debugger for crashing programs
#   wine-prefix.sh server   starts the server if none runs, with Wine's own background programs
#                           detached from the caller's output (a test's output pipe would otherwise
#                           stay open, and ctest wait, until the server ends)
#   wine-prefix.sh start    ensure and server, for one ctest run (the ctest fixture's setup)
#   wine-prefix.sh stop     the fixture's cleanup: ends the server and everything still running in
#                           the prefix, unless another ctest run in this build folder still uses it
#                           (then the server ends by itself once idle)
# Exit status 77 (skipped) when wine64 is not installed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

if [ ! -x "$WINE" ]; then
  echo "wine64 is not installed (Debian package wine64): the Windows tests are skipped" >&2
  exit 77
fi

ready_mark="$WINEPREFIX/.lexiglean-ready"
# One file per ctest run using the prefix, named after the ctest process (the fixture's parent).
runs="$WINEPREFIX-runs"

ensure() {
  [ -f "$ready_mark" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  exec 9>"$WINEPREFIX.lock"
  flock 9
  if [ ! -f "$ready_mark" ]; then
    # A prefix without the mark was left half made: start afresh.
    if [ -d "$WINEPREFIX" ]; then "$WINESERVER" -k 2>/dev/null || true; fi
    rm -rf "$WINEPREFIX"
    "$WINE" wineboot --init </dev/null >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f </dev/null >/dev/null 2>&1
    "$WINE" reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f \
      </dev/null >/dev/null 2>&1 || true
    "$WINESERVER" -w
    touch "$ready_mark"
  fi
  exec 9>&-
}

server() {
  # Starting fails harmlessly when a server runs already.
  if "$WINESERVER" -p"$LEXIGLEAN_WINESERVER_LINGER" </dev/null >/dev/null 2>&1; then
    "$WINE" cmd /c exit </dev/null >/dev/null 2>&1
  fi
}

case "${1:-}" in
  ensure) ensure ;;
  server) server ;;
  start)
    mkdir -p "$runs"
    : >"$runs/$PPID"
    ensure
    server
    ;;
  stop)
    rm -f "$runs/$PPID"
    for run in "$runs"/*; do
      [ -e "$run" ] || continue
      if [ -d "/proc/${run##*/}" ]; then
        echo "another ctest run (process ${run##*/}) still uses the prefix: its server ends by itself when idle"
        exit 0
      fi
      rm -f "$run"
    done
    [ -d "$WINEPREFIX" ] || exit 0
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
    ;;
  *)
    echo "usage: $0 ensure|server|start|stop" >&2
    exit 2
    ;;
esac
