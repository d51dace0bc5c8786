#!/bin/sh
# usage: run-server-check.sh CHECK_EXE
# Registers the stand-in recogniser's servers in a copy of the build's Wine prefix (the DLL with
# regsvr32, the EXE with /RegServer), runs the check through the in-process server, then with the DLL
# unregistered through the local server, and at the end unregisters both and finds no key left.
# Exit status 77 (skipped) when wine64 is not installed.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../win32/wine-env.sh"
[ -x "$WINE" ] || { echo "wine64 is not installed: skipped" >&2; exit 77; }
"$here/../win32/wine-prefix.sh" ensure
check=$1
build=$LEXIGLEAN_WINDOWS_BUILD

# A prefix of its own, so that no other test sees these registrations: the build's, linked, with
# copies of the registry files.
scratch=$(mktemp -d "$build/com-server-check.XXXXXX")
export LEXIGLEAN_STANDIN_HOME="$scratch/profile"
mkdir "$LEXIGLEAN_STANDIN_HOME"
cp -al "$WINEPREFIX" "$scratch/prefix"
for registry in system.reg user.reg userdef.reg; do
  rm "$scratch/prefix/$registry"
  cp "$WINEPREFIX/$registry" "$scratch/prefix/$registry"
done
export WINEPREFIX="$scratch/prefix"
trap '"$WINESERVER" -k 2>/dev/null || true; rm -rf "$scratch"' EXIT
export LEXIGLEAN_STANDIN_REFUSE=GetSpeakerDetail,put_CapSensitive
dll=$(printf 'Z:%s' "$build/lexiglean-recogniser.dll" | tr / '\\')
classes='HKLM\Software\Classes'

"$WINE" regsvr32 /s "$dll"
"$WINE" "$build/lexiglean-recogniser.exe" /RegServer
LEXIGLEAN_EXPECTED_SERVER=in-process "$WINE" "$check"
"$WINE" regsvr32 /u /s "$dll"
LEXIGLEAN_EXPECTED_SERVER=local "$WINE" "$check"
"$WINE" "$build/lexiglean-recogniser.exe" /UnregServer
for key in 'CLSID\{DE2DB781-BE83-11D1-A572-006008AAC4E2}' 'CLSID\{1A2108C9-705F-4718-9F11-C1115BE3D041}' \
    'TypeLib\{0B05D193-F817-411D-A4BE-CE118666CADC}' 'Interface\{15F00C4C-FD14-4BCC-A203-79FB2B7848D0}'; do
  if "$WINE" reg query "$classes\\$key" >/dev/null 2>&1; then
    echo "unregistering left $classes\\$key" >&2
    exit 1
  fi
done
