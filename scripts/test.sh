#!/usr/bin/env bash
# Builds everything and runs every test: the core's unit tests, the window tests, a short
# fuzzing run, and a quick pass over the benchmarks so they cannot rot.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default
ctest --preset default --parallel 2
./build/bench/kvistra_bench --benchmark_min_time=0.01 >/dev/null
QT_QPA_PLATFORM=offscreen ./build/bench/kvistra_ui_bench --benchmark_min_time=0.01 \
  --benchmark_filter=DrawTree >/dev/null
if [ -x scripts/fuzz.sh ]; then scripts/fuzz.sh; fi
