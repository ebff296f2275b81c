#!/usr/bin/env bash
# Installs the Debian packages Kvistra needs. With --run only those to build and run the
# program; with --package those and what building the Debian package needs; without either
# everything: also to test, fuzz, benchmark and install it, and to render its icons.
# Safe to run again: apt-get install skips what is already there.
set -euo pipefail

run_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libxkbcommon-dev qt6-translations-l10n
  libjpeg62-turbo-dev libgmp-dev qt6-svg-dev nlohmann-json3-dev
  fonts-liberation fonts-dejavu-core
)
# CPack's DEB generator finds libraries with file and readelf and their packages with
# dpkg-shlibdeps.
package_packages=(dpkg-dev file binutils)
other_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format
  xvfb xauth x11-apps imagemagick
  librsvg2-bin desktop-file-utils libxml2-utils shared-mime-info libglib2.0-bin
  valgrind
  poppler-utils
  lintian appstream man-db
)

packages=("${run_packages[@]}")
case "${1:-}" in
  --run) ;;
  --package) packages+=("${package_packages[@]}") ;;
  *) packages+=("${package_packages[@]}" "${other_packages[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
