#!/bin/sh
# Runs the smoke test of the real program under Wine on a private X server, and saves a picture of
# the main window when the test offers one:
#   run-smoke-test.sh SMOKE_TEST_PROGRAM STANDIN_PROGRAM SCREENSHOT_FOLDER
# The picture is SCREENSHOT_FOLDER/main.png (xwd and ImageMagick's convert; left out, with a note,
# when either is missing). LEXIGLEAN_WINDOWS_BUILD names the build folder (its Wine prefix).
# Exit status 77 (skipped) when Xvfb or wine64 is missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

if [ "${1:-}" != --in-x-session ]; then
  if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v Xvfb >/dev/null 2>&1; then
    echo "Xvfb is not installed (Debian packages xvfb, xauth): the Windows smoke test is skipped" >&2
    exit 77
  fi
  if [ ! -x "$WINE" ]; then
    echo "wine64 is not installed (Debian package wine64): the Windows smoke test is skipped" >&2
    exit 77
  fi
  "$here/wine-prefix.sh" ensure
  "$here/wine-prefix.sh" server
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --in-x-session "$@"
fi

shift
test_program=$1
standin_program=$2
screenshots=$3
mkdir -p "$screenshots"
done_mark="$screenshots/.main-taken"
rm -f "$done_mark" "$screenshots/main.png"

# A fresh stand-in profile: the first run creates its user.
standin_home="$LEXIGLEAN_WINDOWS_BUILD/tests/win32/standin-home"
rm -rf "$standin_home"
mkdir -p "$standin_home"
export LEXIGLEAN_STANDIN_HOME
LEXIGLEAN_STANDIN_HOME=$(windows_path "$standin_home")
export LEXIGLEAN_STANDIN_EXE
LEXIGLEAN_STANDIN_EXE=$(windows_path "$standin_program")
export LEXIGLEAN_SCREENSHOT_DONE
LEXIGLEAN_SCREENSHOT_DONE=$(windows_path "$done_mark")

take_screenshot() {  # x y width height
  if command -v xwd >/dev/null 2>&1 && [ -x /usr/bin/convert ]; then
    xwd -root -silent | /usr/bin/convert xwd:- -crop "$3x$4+$1+$2" +repage "$screenshots/main.png"
    echo "screenshot: $screenshots/main.png"
  else
    echo "screenshot left out: xwd (x11-apps) or /usr/bin/convert (imagemagick) is missing"
  fi
  touch "$done_mark"
}

{ "$WINE" "$test_program" 2>&1; echo "lexiglean-exit-status $?"; } | while IFS= read -r line; do
  case "$line" in
    "lexiglean-screenshot "*)
      # shellcheck disable=SC2086
      set -- $line
      take_screenshot "$2" "$3" "$4" "$5"
      ;;
    "lexiglean-exit-status "*) exit "${line#lexiglean-exit-status }" ;;
    *) printf '%s\n' "$line" ;;
  esac
done
