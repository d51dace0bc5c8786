# Environment for every Wine call: a prefix inside the Windows build folder, no debug noise, no Mono/Gecko.
here=$(cd "$(dirname "$0")/.." && pwd)
: "${LEXIGLEAN_WINDOWS_BUILD:=$here/build/windows}"
export WINEPREFIX="${WINEPREFIX:-$LEXIGLEAN_WINDOWS_BUILD/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
