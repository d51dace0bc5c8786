# Environment for every Wine call of the Windows build, sourced by the scripts beside it and by
# cmake/wine-run.sh: the build's own 64-bit prefix, no debug noise, no Mono/Gecko installers and no
# menu entries written into the user's desktop.
# The prefix is LEXIGLEAN_WINEPREFIX when set (tools/wine-standins.sh makes such prefixes), else the
# build folder's own. The build folder comes from LEXIGLEAN_WINDOWS_BUILD, else from the first folder upwards of
# LEXIGLEAN_SEARCH_FROM (default: the current folder) that holds a CMakeCache.txt.
if [ -z "${LEXIGLEAN_WINDOWS_BUILD:-}" ]; then
  LEXIGLEAN_WINDOWS_BUILD=$(cd "${LEXIGLEAN_SEARCH_FROM:-.}" && pwd)
  while [ "$LEXIGLEAN_WINDOWS_BUILD" != / ] && [ ! -f "$LEXIGLEAN_WINDOWS_BUILD/CMakeCache.txt" ]; do
    LEXIGLEAN_WINDOWS_BUILD=$(dirname "$LEXIGLEAN_WINDOWS_BUILD")
  done
fi
export LEXIGLEAN_WINDOWS_BUILD
export WINEPREFIX="${LEXIGLEAN_WINEPREFIX:-$LEXIGLEAN_WINDOWS_BUILD/wineprefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe="
WINE=/usr/lib/wine/wine64
# The server itself: Debian's wineserver wrapper adds "-p0" (never persistent) to every call.
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=wineserver
# Seconds the server outlives its last program; the ctest fixture stops it at the end anyway.
: "${LEXIGLEAN_WINESERVER_LINGER:=10}"
