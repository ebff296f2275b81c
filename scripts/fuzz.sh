#!/usr/bin/env bash
# Builds the fuzz targets, replays their seed corpora and fuzzes each for a short, fixed time
# (45 s, or the seconds given as the first argument). Exits non-zero when the build fails, a
# seed fails, or a fuzzer finds a crash or a broken property; the input that did it is kept
# under build-fuzz/artifacts/<target>/ and belongs in the tests as a regression case.
set -euo pipefail

seconds="${1:-45}"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

build=build-fuzz
logs="$build/fuzz-logs"
mkdir -p "$logs"

if ! { cmake --preset fuzz && cmake --build --preset fuzz; } >"$logs/build.log" 2>&1; then
  echo "fuzz: build failed (full log: $logs/build.log)" >&2
  grep -E "error|FAILED" "$logs/build.log" | head -n 20 >&2 || true
  exit 1
fi

# The last lines that tell what went wrong: the broken property or the sanitizer's summary.
report_failure() {
  echo "fuzz: $1 (full log: $2)" >&2
  grep -E "property violated|expression:|ERROR: |SUMMARY: |Test unit written" "$2" | head -n 10 >&2 || true
}

# fuzz_target <name> <what it fuzzes> [extra libFuzzer flags]
fuzz_target() {
  local name="$1" what="$2"
  shift 2
  local fuzzer="$build/fuzz/kvistra_fuzz_$name"
  local seeds="fuzz/corpus/$name"
  local corpus="$build/corpus/$name"
  local artifacts="$build/artifacts/$name/"
  mkdir -p "$corpus" "$artifacts"

  if ! "$fuzzer" -runs=0 -artifact_prefix="$artifacts" "$seeds" >"$logs/$name-replay.log" 2>&1; then
    report_failure "a seed of $seeds fails" "$logs/$name-replay.log"
    return 1
  fi
  echo "fuzz: replayed $(find "$seeds" -type f | wc -l) seeds of $seeds"

  if ! "$fuzzer" -max_total_time="$seconds" -max_len=600 -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$artifacts" -print_final_stats=1 "$@" \
      "$corpus" "$seeds" >"$logs/$name.log" 2>&1; then
    report_failure "the $what failed" "$logs/$name.log"
    return 1
  fi
  local runs coverage
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$logs/$name.log")
  coverage=$(grep -E "^#[0-9]+[[:space:]]+DONE" "$logs/$name.log" | grep -oE "cov: [0-9]+" || true)
  echo "fuzz: $what ran $runs inputs in ${seconds} s without a failure (${coverage:-cov: ?})"
}

fuzz_target events "event evaluator" -dict=fuzz/events.dict
fuzz_target probabilities "probability input"
fuzz_target trees "tree file reader" -dict=fuzz/trees.dict -max_len=8192
fuzz_target documents "document reader" -dict=fuzz/documents.dict -max_len=8192
fuzz_target history "undo history" -max_len=200
