#!/bin/sh
# Runs a Windows program under Wine in its build folder's own prefix: the cross build's emulator,
# through which ctest runs the tests and their discovery. The prefix is made on first use; a server
# that outlives each program for a few seconds keeps the next start fast.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
: "${LEXIGLEAN_SEARCH_FROM:=$(dirname "$1")}"
export LEXIGLEAN_SEARCH_FROM
. "$here/../tests/win32/wine-env.sh"
"$here/../tests/win32/wine-prefix.sh" ensure
"$here/../tests/win32/wine-prefix.sh" server
exec "$WINE" "$@"
