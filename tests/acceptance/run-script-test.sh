#!/bin/sh
# Runs one acceptance script through lexiglean-script and compares what it prints, followed by a line
# "exit: STATUS", with the expected file. In both files @DATA@ stands for tests/data and @WORK@ for a
# fresh work folder; the stand-in profile and the single-instance lock live in that folder too.
# A setup script, when given, runs first with the work folder and the program as its arguments.
# usage: run-script-test.sh LEXIGLEAN_SCRIPT SCRIPT EXPECTED [SETUP]
set -u
program=$1 script=$2 expected=$3 setup=${4:-}
data=$(cd "$(dirname "$0")/../data" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/lexiglean-acceptance.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/profile" "$work/runtime"
export LEXIGLEAN_STANDIN_HOME="$work/profile" XDG_RUNTIME_DIR="$work/runtime" USER=tester
[ -n "$setup" ] && sh "$setup" "$work" "$program"
sed -e "s|@DATA@|$data|g" -e "s|@WORK@|$work|g" "$script" > "$work/script.lgs"
"$program" "$work/script.lgs" > "$work/actual.raw" 2> "$work/stderr.txt"
status=$?
{ sed -e "s|$work|@WORK@|g" -e "s|$data|@DATA@|g" "$work/actual.raw"; echo "exit: $status"; } > "$work/actual.txt"
if ! diff -u "$expected" "$work/actual.txt"; then
  echo "--- standard error:"; cat "$work/stderr.txt"
  exit 1
fi
