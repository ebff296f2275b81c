#!/usr/bin/env bash
# Builds Kvistra and starts it; an optional argument names a tree file to open at start.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kvistra
exec ./build/kvistra "$@"
