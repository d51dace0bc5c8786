#!/bin/sh
# Runs a program that drives a Windows program from outside under Wine, on a private X server, and
# saves the pictures it asks for:
#   run-smoke-test.sh DRIVING_PROGRAM PROGRAM SCREENSHOT_FOLDER [ARGUMENT...]
# The driving program finds PROGRAM in LEXIGLEAN_PROGRAM_EXE and gets the ARGUMENTs. When it prints a line
# "lexiglean-screenshot NAME X Y WIDTH HEIGHT" the screen's rectangle is saved as SCREENSHOT_FOLDER/NAME.png
# (xwd and ImageMagick's convert; left out, with a note, when either is missing), and the file named by
# LEXIGLEAN_SCREENSHOT_DONE is made to tell it so. The stand-in recogniser gets a fresh profile.
# LEXIGLEAN_WINDOWS_BUILD names the build folder (its Wine prefix). With LEXIGLEAN_USE_DISPLAY=1 and a
# DISPLAY set, the windows open on that display instead.
# Exit status 77 (skipped) when Xvfb or wine64 is missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
. "$here/wine-env.sh"

windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

if [ "${1:-}" != --in-x-session ]; then
  if [ ! -x "$WINE" ]; then
    echo "wine64 is not installed (Debian package wine64): the Windows smoke test is skipped" >&2
    exit 77
  fi
  "$here/wine-prefix.sh" ensure
  "$here/wine-prefix.sh" server
  if [ "${LEXIGLEAN_USE_DISPLAY:-}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
    exec "$0" --in-x-session "$@"
  fi
  if ! command -v xvfb-run >/dev/null 2>&1 || ! command -v Xvfb >/dev/null 2>&1; then
    echo "Xvfb is not installed (Debian packages xvfb, xauth): the Windows smoke test is skipped" >&2
    exit 77
  fi
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" --in-x-session "$@"
fi

shift
test_program=$1
program=$2
screenshots=$3
shift 3
mkdir -p "$screenshots"
done_mark="$screenshots/.taken"
rm -f "$done_mark"

# A fresh stand-in profile for each driving program: the first run creates its user.
standin_home="$LEXIGLEAN_WINDOWS_BUILD/tests/win32/$(basename "$test_program" .exe)-home"
rm -rf "$standin_home"
mkdir -p "$standin_home"
export LEXIGLEAN_STANDIN_HOME
LEXIGLEAN_STANDIN_HOME=$(windows_path "$standin_home")
export LEXIGLEAN_PROGRAM_EXE
LEXIGLEAN_PROGRAM_EXE=$(windows_path "$program")
export LEXIGLEAN_SCREENSHOT_DONE
LEXIGLEAN_SCREENSHOT_DONE=$(windows_path "$done_mark")

take_screenshot() {  # name x y width height
  picture="$screenshots/$1.png"
  if command -v xwd >/dev/null 2>&1 && [ -x /usr/bin/convert ]; then
    # Window places are relative to Wine's desktop window, wherever a window manager put it.
    { xwd -silent -name "Default - Wine desktop" 2>/dev/null || xwd -root -silent; } |
      /usr/bin/convert xwd:- -crop "$4x$5+$2+$3" +repage "$picture"
    echo "screenshot: $picture"
  else
    echo "screenshot left out: xwd (x11-apps) or /usr/bin/convert (imagemagick) is missing"
  fi
  touch "$done_mark"
}

carriage_return=$(printf '\r')
# The status is taken with "||": under "set -e" a failing program would otherwise end the group before
# it reports, and the run would count as passed.
{ status=0; "$WINE" "$test_program" "$@" 2>&1 || status=$?; echo "lexiglean-exit-status $status"; } | while IFS= read -r line; do
  line=${line%"$carriage_return"}
  case "$line" in
    "lexiglean-screenshot "*)
      # shellcheck disable=SC2086
      set -- $line
      take_screenshot "$2" "$3" "$4" "$5" "$6"
      ;;
    "lexiglean-exit-status "*) exit "${line#lexiglean-exit-status }" ;;
    *) printf '%s\n' "$line" ;;
  esac
done
