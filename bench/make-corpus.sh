#!/bin/sh
# Builds bench/corpus/corpus.txt (about 70 MB of text; bench/corpus/ is git-ignored) for the phrase-scanner
# benchmark from the documentation of two Debian packages, downloaded with apt (no installation):
#   python3.11-doc  Python's documentation: reStructuredText sources (*.rst.txt) and HTML pages (*.html)
#   perl-doc        Perl's documentation in POD (*.pod)
# Recipe:
#   apt-get download python3.11-doc perl-doc
#   dpkg-deb -x each .deb into one folder
#   concatenate every *.txt, *.html and *.pod file in it, in byte order of the paths (LC_ALL=C sort)
# Prose with names, markup and code: what users feed the phrase search (HTML is searched markup and all).
# The package versions used are written to bench/corpus/SOURCES.txt.
# Usage: bench/make-corpus.sh [OUTPUT]   (default bench/corpus/corpus.txt; needs apt's package lists:
# run apt-get update once if apt-get download cannot find the packages)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
output=${1:-$here/corpus/corpus.txt}
packages="python3.11-doc perl-doc"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
mkdir -p "$(dirname "$output")"

cd "$work"
# apt's download user cannot write to a private temporary folder; let it.
chmod 755 "$work"
chown _apt "$work" 2>/dev/null || true
# shellcheck disable=SC2086  # the package list splits on purpose
apt-get download $packages
mkdir root
for deb in ./*.deb; do
  dpkg-deb -x "$deb" root
done

find root -type f \( -name '*.txt' -o -name '*.html' -o -name '*.pod' \) | LC_ALL=C sort >files
tr '\n' '\0' <files | xargs -0 cat >corpus.tmp
mv corpus.tmp "$output"

{
  echo "corpus: $output, $(wc -c <"$output") bytes, $(wc -l <files) files"
  echo "sha256: $(sha256sum "$output" | cut -d' ' -f1)"
  for deb in ./*.deb; do
    echo "package: $(dpkg-deb -f "$deb" Package) $(dpkg-deb -f "$deb" Version)"
  done
} >"$(dirname "$output")/SOURCES.txt"
cat "$(dirname "$output")/SOURCES.txt"
