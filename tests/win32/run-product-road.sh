#!/bin/sh
# The product's whole road under Wine over the stand-in COM servers, compared with lexiglean-script:
#   run-product-road.sh ROAD_DRIVER PRODUCT LEXIGLEAN_SCRIPT ROAD_SCRIPT PREFIX [--no-user] [--refuse NAMES]
# The same road script runs twice, each time on a copy of one profile and of the example documents
# (the PDF and RTF ones in the folder "more"):
# by lexiglean-script (the stand-ins in process) and by the road driver against the product in the
# Wine prefix PREFIX made by tools/wine-standins.sh. What a person sees (the user details, status
# texts after each step, boxes and answers, the list) must be the same line for line; paths are
# compared relative to each run's folder.
#   --no-user        a profile in which no user is loaded
#   --refuse NAMES   the recogniser server refuses the members named (LEXIGLEAN_STANDIN_REFUSE): calls
#                    whose result the program does not examine; only the user details may then differ
# Exit status 77 (skipped) when Wine or Xvfb is missing.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
driver=$1 product=$2 script_program=$3 road=$4 prefix=$5
shift 5
user=tester refused=""
while [ $# -gt 0 ]; do
  case $1 in
    --no-user) user="" ;;
    --refuse) refused=$2; shift ;;
  esac
  shift
done
. "$here/wine-env.sh"
if [ ! -x "$WINE" ] || ! command -v xvfb-run >/dev/null 2>&1; then
  echo "wine64 or xvfb-run is missing: the product's road is skipped" >&2
  exit 77
fi
work=$prefix-$(basename "$road" .lgs)${refused:+-refused}
rm -rf "$work"
mkdir -p "$work/linux" "$work/windows" "$work/profile/tester"
printf '%s' "$user" > "$work/profile/current-user"
for side in linux windows; do
  cp -r "$work/profile" "$work/$side-profile"
  mkdir "$work/$side/more"
  cp "$root/examples/notes.txt" "$root/examples/travel-notes.docx" "$work/$side/"
  cp "$root/examples/travel-notes.pdf" "$root/examples/letter.rtf" "$work/$side/more/"
done
windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# Exit status 1: the program ended the run by itself (no user loaded).
script_status=0
(cd "$work/linux" && LEXIGLEAN_STANDIN_HOME="$work/linux-profile" "$script_program" "$road") > "$work/linux.out" ||
  script_status=$?
if [ "$script_status" -gt 1 ]; then cat "$work/linux.out"; echo "lexiglean-script failed" >&2; exit 1; fi

export LEXIGLEAN_WINEPREFIX="$prefix"
. "$here/wine-env.sh"
"$here/wine-prefix.sh" server
status=0
(cd "$work/windows" && LEXIGLEAN_STANDIN_REFUSE=$refused \
  LEXIGLEAN_STANDIN_HOME=$(windows_path "$work/windows-profile") LEXIGLEAN_PROGRAM_EXE=$(windows_path "$product") \
  xvfb-run -a -s "-screen 0 1024x768x24" "$WINE" "$driver" "$(windows_path "$road")") > "$work/windows.out" ||
  status=$?
# The next user of the prefix must find its server gone, not ending: -k only asks it to end.
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w 2>/dev/null || true

# What a person sees: the status text as it stands at each other line (the last of a run of status
# texts, unless unchanged; one written as the window ends is never seen), run folders and profile
# folders named alike.
export refused linux_work="$work/linux/" windows_work="$(windows_path "$work/windows")\\"
export linux_profile="$work/linux-profile" windows_profile="$(windows_path "$work/windows-profile")"
seen() {  # output
  tr -d '\r' < "$1" | awk '
    BEGIN {
      linux_work = ENVIRON["linux_work"]; windows_work = ENVIRON["windows_work"]
      linux_profile = ENVIRON["linux_profile"]; windows_profile = ENVIRON["windows_profile"]
    }
    function named(text, from, to,   at) {
      while (from != "" && (at = index(text, from)) > 0) {
        text = substr(text, 1, at - 1) to substr(text, at + length(from))
      }
      return text
    }
    /^details: / && ENVIRON["refused"] != "" { next }
    /^(box|answer|list|details|status): |^\[[x ]\]\t/ {
      line = named(named($0, linux_work, ""), windows_work, "")
      line = named(named(named(line, linux_profile, "PROFILE"), windows_profile, "PROFILE"), "PROFILE\\", "PROFILE/")
      if (line ~ /^status: /) { pending = line; next }
      if (pending != "" && pending != shown) { print pending; shown = pending }
      pending = ""
      print line
    }
'
}
seen "$work/linux.out" > "$work/linux.seen"
seen "$work/windows.out" > "$work/windows.seen"
if [ "$status" -ne 0 ] || ! diff -u "$work/linux.seen" "$work/windows.seen"; then
  echo "lexiglean-script (-) and lexiglean.exe (+) differ, or the driver failed (exit status $status)" >&2
  echo "outputs in $work" >&2
  exit 1
fi
echo "the product showed what lexiglean-script shows: $(wc -l < "$work/windows.seen") lines"
