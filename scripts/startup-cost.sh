#!/usr/bin/env bash
# Start-up cost of Kvistra beside a bare Qt window (bench/startup/BareWindow.cpp): for each screen
# size (default 800x800 and 1920x1080) the instructions from process start to the end of the first
# frame (callgrind, off-screen platform) and the private dirty memory at that moment, off-screen
# and under Xvfb, with the ratios kvistra/bare. Both programs are ended at their first frame by
# the same preloaded probe (bench/startup/StartupProbe.cpp).
#
#   scripts/startup-cost.sh [WIDTHxHEIGHT...]
set -euo pipefail
cd "$(dirname "$0")/.."

sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(800x800 1920x1080)
for size in "${sizes[@]}"; do
  [[ "$size" =~ ^[1-9][0-9]*x[1-9][0-9]*$ ]] || {
    echo "startup-cost: '$size' is not a screen size such as 1920x1080" >&2
    exit 2
  }
done

# Longest a single run may take before it counts as hung.
callgrind_timeout=300
plain_timeout=60
# What the later work must reach, as kvistra/bare.
instructions_goal=1.15
memory_goal=1.3

fail() {
  echo "startup-cost: $*" >&2
  exit 1
}

scripts/install-deps.sh
cmake --preset default >/dev/null
build_log=$(mktemp)
if ! cmake --build build --target kvistra bare_window startup_probe >"$build_log" 2>&1; then
  tail -n 30 "$build_log" >&2
  rm -f "$build_log"
  fail "building kvistra, bare_window and startup_probe failed"
fi
rm -f "$build_log"
# A program file just written by the linker stays dirty in the page cache until it is written
# back, and its mapped pages then count as the process's private dirty memory: flush first, so
# a program just rebuilt is not charged for its own file.
sync

# The build writes where each target's file lies.
programs_file=build/bench/startup/programs.txt
[ -f "$programs_file" ] || fail "$programs_file is missing: is the ui build switched off?"
target_file() {
  local path
  path=$(awk -v name="$1" '$1 == name { print $2 }' "$programs_file")
  if [ -z "$path" ] || [ ! -e "$path" ]; then fail "no built file for target $1 in $programs_file"; fi
  echo "$path"
}
declare -A program
program[bare]=$(target_file bare_window)
program[kvistra]=$(target_file kvistra)
probe=$(target_file startup_probe)

work=$(mktemp -d)
[ -n "${KEEP_STARTUP_WORK:-}" ] && echo "work: $work" >&2 || trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

# Runs one program until its first frame; "how" is offscreen, callgrind (off-screen too) or xvfb.
# Leaves the probe's report in $work/NAME.report and the output in $work/NAME.log.
measure() {
  local name=$1 how=$2 size=$3
  local run="$work/$name-$how-$size"
  local width=${size%x*} height=${size#*x}
  local config="$work/offscreen-$size.json"
  printf '{"screens": [{"name": "Screen", "x": 0, "y": 0, "width": %d, "height": %d,
    "logicalDpi": 96, "logicalBpi": 96, "dpr": 1}]}\n' "$width" "$height" >"$config"
  # The probe goes into the measured program only (and into valgrind's small launcher).
  local -a client=(env LD_PRELOAD="$probe" STARTUP_PROBE_REPORT="$run.report")
  local -a offscreen=(env -u DISPLAY QT_QPA_PLATFORM="offscreen:configfile=$config"
    QT_QPA_OFFSCREEN_NO_GLX=1)
  local -a command
  case $how in
    offscreen)
      command=("${offscreen[@]}" timeout "$plain_timeout" "${client[@]}" "${program[$name]}") ;;
    callgrind)
      command=("${offscreen[@]}" timeout "$callgrind_timeout" "${client[@]}"
        valgrind --tool=callgrind --callgrind-out-file="$run.callgrind" "${program[$name]}") ;;
    xvfb)
      command=(timeout $((plain_timeout + 30)) xvfb-run -a -e "$run.xvfb" -s "-screen 0 ${size}x24"
        timeout "$plain_timeout" "${client[@]}" QT_QPA_PLATFORM=xcb "${program[$name]}") ;;
  esac
  local status=0
  "${command[@]}" >"$run.log" 2>&1 || status=$?
  if [ ! -s "$run.report" ]; then
    local why="exit status $status"
    [ "$status" -eq 124 ] && why="timed out"
    echo "startup-cost: $name did not reach its first frame ($how, $size: $why). Its output:" >&2
    tail -n 20 "$run.log" >&2
    [ -s "$run.xvfb" ] && tail -n 20 "$run.xvfb" >&2
    exit 1
  fi
  local shown
  shown=$(sed -n 's/.* screen=\([0-9x]*\) .*/\1/p' "$run.report")
  [ "$shown" = "$size" ] || fail "$name ran on a ${shown:-unknown} screen, not $size ($how)"
}

# The first frame's private dirty memory in KiB, from the probe's report.
private_dirty_kb() {
  sed -n 's/.*private_dirty_kb=\([0-9]*\).*/\1/p' "$work/$1-$2-$3.report"
}

# Instructions to the first frame: the dump the probe asked for, from process start.
first_frame_instructions() {
  local dump="$work/$1-callgrind-$2.callgrind.1"
  grep -q '^desc: Trigger: Client Request: first frame' "$dump" 2>/dev/null ||
    fail "callgrind wrote no first-frame dump for $1 ($2)"
  awk '$1 == "totals:" { print $2 }' "$dump"
}

rows=()
table_line() { printf '%-40s %12s %12s %13s %8s %8s' "$@"; }
# One line of the table: what, bare, kvistra, the ratio and the goal it must come under.
row() {
  local reached
  reached=$(awk -v r="$4" -v g="$5" 'BEGIN { print (r <= g) ? "yes" : "no" }')
  rows+=("$(table_line "$1" "$2" "$3" "$4" "<= $5" "$reached")")
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v kb="$1" 'BEGIN { printf "%.1f MiB", kb / 1024 }'; }
millions() { awk -v n="$1" 'BEGIN { printf "%.1f M", n / 1e6 }'; }

for size in "${sizes[@]}"; do
  for how in offscreen callgrind xvfb; do
    for name in bare kvistra; do
      echo "measuring $name ($how, $size)" >&2
      measure "$name" "$how" "$size"
    done
  done
  bare=$(first_frame_instructions bare "$size")
  kvistra=$(first_frame_instructions kvistra "$size")
  row "instructions to first frame, $size" "$(millions "$bare")" "$(millions "$kvistra")" \
    "$(ratio "$kvistra" "$bare")" "$instructions_goal"
  for how in offscreen xvfb; do
    bare=$(private_dirty_kb bare "$how" "$size")
    kvistra=$(private_dirty_kb kvistra "$how" "$size")
    row "private dirty, $how $size" "$(mib "$bare")" "$(mib "$kvistra")" \
      "$(ratio "$kvistra" "$bare")" "$memory_goal"
  done
done

echo
table_line "measure" "bare window" "kvistra" "kvistra/bare" "goal" "reached"
echo
printf '%s\n' "${rows[@]}"
echo "(instructions under callgrind on the off-screen platform; memory without valgrind)"
