#!/usr/bin/env bash
# Builds Kvistra and starts it; an optional argument names a tree file to open at start.
# Installs only what building and running need, and builds the program alone, as it is packaged
# (in build-package/), so neither the tests nor their libraries are needed.
set -euo pipefail
# The file is named from where the command was given, before moving to the project's folder.
args=()
for arg in "$@"; do
  if [[ "$arg" != -* && -e "$arg" ]]; then args+=("$(realpath "$arg")"); else args+=("$arg"); fi
done
cd "$(dirname "$0")/.."
scripts/install-deps.sh --run
cmake --preset package >/dev/null
cmake --build --preset package --target kvistra
exec ./build-package/kvistra "${args[@]}"
