#!/bin/sh
# lexiglean-script --help and -h print the usage and exit 0; any other option exits 2 with the usage
# on standard error. usage: options-test.sh LEXIGLEAN_SCRIPT
program=$1 out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
fail() { echo "$*"; exit 1; }
for option in --help -h; do
  "$program" $option > "$out" 2> "$err" || fail "$option exits $?"
  grep -q '^  drop PATH' "$out" && grep -q '^  box: CAPTION | TEXT' "$out" && [ ! -s "$err" ] ||
    fail "$option: no usage"
done
"$program" --frobnicate > "$out" 2> "$err"
[ $? -eq 2 ] || fail "--frobnicate does not exit 2"
grep -q '^usage: lexiglean-script' "$err" && [ ! -s "$out" ] || fail "--frobnicate: no usage on standard error"
