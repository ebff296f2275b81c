#!/usr/bin/env bash
# Builds everything and runs every test: a short fuzzing run of the event language, of the
# probability input and of the tree file reader, a quick pass over the benchmarks so they cannot
# rot, then the core's unit tests and the window tests, and those again built with the address
# and undefined-behaviour sanitizers and bounds-checked arrays; last it builds the Debian package
# and tests it unpacked (its files, the program starting from it, lintian and appstreamcli).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default -DKVISTRA_WARNINGS_AS_ERRORS=ON >/dev/null
cmake --build --preset default
scripts/fuzz.sh
./build/bench/kvistra_bench --benchmark_min_time=0.01 >/dev/null 2>&1
QT_QPA_PLATFORM=offscreen ./build/bench/kvistra_ui_bench --benchmark_min_time=0.01 \
  --benchmark_filter="DrawTree|Export|MoveFocus" >/dev/null 2>&1
echo "benchmarks: ran once each"
ctest --preset default --parallel 2
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize --parallel 2
scripts/package.sh
tests/desktop/install-test.sh --package build-package/kvistra_*.deb
echo "package: installs, starts and passes lintian and appstreamcli"
