#!/bin/sh
# Runs a Windows program that opens windows under Wine, on a private X server:
#   run-gui-test.sh PROGRAM [ARGUMENT...]
# LEXIGLEAN_WINDOWS_BUILD names the build folder (its Wine prefix). Exit status 77 (skipped) when
# Xvfb or wine64 is missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"
if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v Xvfb >/dev/null 2>&1; then
  echo "Xvfb is not installed (Debian packages xvfb, xauth): the Windows window tests are skipped" >&2
  exit 77
fi
if [ ! -x "$WINE" ]; then
  echo "wine64 is not installed (Debian package wine64): the Windows window tests are skipped" >&2
  exit 77
fi
"$here/wine-prefix.sh" ensure
"$here/wine-prefix.sh" server
exec xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" "$@"
