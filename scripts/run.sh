#!/usr/bin/env bash
# Builds Kvistra and starts it; an optional argument names a tree file to open at start.
set -euo pipefail
# The file is named from where the command was given, before moving to the project's folder.
args=()
for arg in "$@"; do
  if [[ "$arg" != -* && -e "$arg" ]]; then args+=("$(realpath "$arg")"); else args+=("$arg"); fi
done
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target kvistra
exec ./build/kvistra "${args[@]}"
