#!/bin/sh
# Runs every libFuzzer target (fuzz/) for SECONDS each (default 60), seeded from tests/data, the
# examples and the target's regression inputs; the corpus grows in build/fuzz/corpus/<target>.
# Prints one line per target (executions, coverage, findings). An input that crashes, leaks, hangs or
# breaks a property is copied to tests/data/fuzz-regressions/<target>/ (ctest replays that folder on
# every build) and makes the script exit non-zero.
# usage: tools/fuzz.sh [SECONDS [TARGET...]]   (default: every target)
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
tools/install-packages.sh fuzz
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz > build/fuzz-build.log 2>&1 || { cat build/fuzz-build.log; exit 1; }
# The list in fuzz/CMakeLists.txt may run over several lines.
targets=${*:-$(awk '/^set\(fuzz_targets/ { listing = 1; sub(/^set\(fuzz_targets/, "") }
  listing { done = sub(/\).*/, ""); printf "%s ", $0; if (done) exit }' fuzz/CMakeLists.txt)}
if [ -z "$(echo $targets)" ]; then echo "no fuzz targets found in fuzz/CMakeLists.txt" >&2; exit 1; fi
runs=build/fuzz/runs
status=0
printf '%-16s %12s %10s %9s\n' target executions coverage findings
for target in $targets; do
  corpus=build/fuzz/corpus/$target artifacts=$runs/$target regressions=tests/data/fuzz-regressions/$target
  rm -rf "$artifacts" && mkdir -p "$corpus" "$artifacts" "$regressions"
  log=$artifacts/log.txt
  # -close_fd_mask=3: the readers' own chatter (poppler's warnings) stays out of the log's statistics.
  build/fuzz/fuzz/fuzz_$target -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
    -close_fd_mask=1 -artifact_prefix="$artifacts/" "$corpus" tests/data examples "$regressions" > "$log" 2>&1 || true
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | cut -d' ' -f2)
  findings=0
  for finding in "$artifacts"/crash-* "$artifacts"/leak-* "$artifacts"/timeout-* "$artifacts"/oom-*; do
    [ -e "$finding" ] || continue
    findings=$((findings + 1))
    cp "$finding" "$regressions/"
  done
  printf '%-16s %12s %10s %9s\n' "$target" "${executions:-?}" "${coverage:-?}" "$findings"
  if [ "$findings" -ne 0 ] || [ -z "$executions" ]; then
    status=1
    echo "--- $target: see $log"; grep -A25 -m1 -E '^==[0-9]+==|fuzz property broken|runtime error|Timeout|out-of-memory' "$log" || tail -20 "$log"
  fi
done
exit $status
