#!/bin/sh
# Installs, from Debian's packages, whatever of the build and test tools this machine lacks.
# usage: tools/install-packages.sh [linux|fuzz|all]   (linux: what the Linux build and the main job need;
# fuzz: that and clang with libFuzzer)
set -eu
linux_packages="cmake ninja-build g++ pkg-config googletest libgtest-dev libbenchmark-dev
  libzip-dev libpugixml-dev libpoppler-cpp-dev libreoffice-writer-nogui wamerican zip"
windows_packages="g++-mingw-w64-x86-64 mingw-w64-tools wine64 libwine-dev wine64-tools xvfb xauth x11-apps imagemagick"
fuzz_packages="clang-14 libfuzzer-14-dev"
case "${1:-all}" in
  linux) wanted=$linux_packages ;;
  fuzz) wanted="$linux_packages $fuzz_packages" ;;
  *) wanted="$linux_packages $windows_packages $fuzz_packages" ;;
esac
missing=""
for package in $wanted; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
sudo_if_needed apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive sudo_if_needed apt-get install -y -qq --no-install-recommends $missing
