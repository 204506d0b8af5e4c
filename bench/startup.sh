#!/usr/bin/env bash
# Start-up time and memory of the program, under Xvfb:
#  - from launch until the start page is first painted (the program quits right then),
#    median of N runs;
#  - peak memory (max RSS) through a scripted lesson: the QtTest that drives a whole
#    lesson through the real windows.
# Run after a build: bench/startup.sh [build-dir] [runs]
set -euo pipefail
build="${1:-build}"
runs="${2:-15}"
program="$build/src/app/mathtuvo"
lesson="$build/tests/lesson_qtest"
export MATHTUVO_MUTE=1
workdir="$(mktemp -d)"
trap 'rm -rf "$workdir"' EXIT
cp -r data/* "$workdir"/

measure() {
  local times=()
  for ((i = 0; i < runs; i++)); do
    local start end
    start=$(date +%s%N)
    "$program" --workdir "$workdir" --quit-when-shown >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
  done
  printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print "start page painted: median " a[int((NR+1)/2)] " ms over " NR " runs (min " a[1] ", max " a[NR] ")"}'
  /usr/bin/time -f "scripted lesson: peak memory %M KB" "$lesson" >/dev/null 2>"$workdir/time.txt" || true
  grep 'peak memory' "$workdir/time.txt"
}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" "$runs"
fi
measure
