#!/bin/sh
# Builds the corpus when it is missing (bench/make-corpus.sh), builds phrase_scan_bench with the linux preset
# and runs it; it prints MB/s of every pass and, at the end, the ratios to std::regex.
# Extra arguments go to the benchmark (e.g. --benchmark_repetitions=3).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
corpus=${LEXIGLEAN_CORPUS:-$root/bench/corpus/corpus.txt}
[ -s "$corpus" ] || "$root/bench/make-corpus.sh" "$corpus"
cd "$root"
cmake --preset linux >/dev/null
cmake --build --preset linux -j2 --target phrase_scan_bench
LEXIGLEAN_CORPUS=$corpus build/linux/bench/phrase_scan_bench "$@"
