#!/bin/sh
# Runs a Windows test program under Wine with the build's own prefix (see tests/win32/wine-env.sh).
. "$(dirname "$0")/../tests/win32/wine-env.sh"
exec /usr/lib/wine/wine64 "$@"
