#!/usr/bin/env bash
# Builds the Debian package build-package/kvistra_<version>_<arch>.deb with CPack: the program
# built for /usr and stripped, its SVG module, the desktop entry, the file type, the icons, the
# manual pages and the AppStream data. Prints the package's path. Installs only what building
# the package needs, not the developers' test tools.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --package
cmake --preset package >/dev/null
cmake --build --preset package
rm -f build-package/kvistra_*.deb
log=build-package/cpack.log
if ! cpack --preset package >"$log" 2>&1; then
  cat "$log" >&2
  exit 1
fi
ls build-package/kvistra_*.deb
