#!/usr/bin/env bash
# Builds the fuzz targets, replays the seed corpus and fuzzes the event evaluator for a short,
# fixed time (60 s, or the seconds given as the first argument). Exits non-zero when the build
# fails, a seed fails, or the fuzzer finds a crash or a broken property; the input that did it is
# kept under build-fuzz/artifacts/ and belongs in tests/events as a regression case.
set -euo pipefail

seconds="${1:-60}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

build=build-fuzz
logs="$build/fuzz-logs"
fuzzer="$build/fuzz/kvistra_fuzz_events"
seeds=fuzz/corpus/events
corpus="$build/corpus/events"
artifacts="$build/artifacts/events/"
mkdir -p "$logs"

if ! { cmake --preset fuzz && cmake --build --preset fuzz; } >"$logs/build.log" 2>&1; then
  echo "fuzz: build failed (full log: $logs/build.log)" >&2
  grep -E "error|FAILED" "$logs/build.log" | head -n 20 >&2 || true
  exit 1
fi
mkdir -p "$corpus" "$artifacts"

# The last lines that tell what went wrong: the broken property or the sanitizer's summary.
report_failure() {
  echo "fuzz: $1 (full log: $2)" >&2
  grep -E "property violated|expression:|ERROR: |SUMMARY: |Test unit written" "$2" | head -n 10 >&2 || true
}

if ! "$fuzzer" -runs=0 -artifact_prefix="$artifacts" "$seeds" >"$logs/replay.log" 2>&1; then
  report_failure "a seed of $seeds fails" "$logs/replay.log"
  exit 1
fi
echo "fuzz: replayed $(find "$seeds" -type f | wc -l) seeds of $seeds"

if ! "$fuzzer" -max_total_time="$seconds" -max_len=600 -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/events.dict -artifact_prefix="$artifacts" -print_final_stats=1 \
    "$corpus" "$seeds" >"$logs/events.log" 2>&1; then
  report_failure "the event evaluator failed" "$logs/events.log"
  exit 1
fi
runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/events.log")
coverage=$(grep -E "^#[0-9]+[[:space:]]+DONE" "$logs/events.log" | grep -oE "cov: [0-9]+" || true)
echo "fuzz: event evaluator ran $runs inputs in ${seconds} s without a failure (${coverage:-cov: ?})"
