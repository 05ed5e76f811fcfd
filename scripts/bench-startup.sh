#!/usr/bin/env bash
# Start-up benchmark, not a test: starts Varnel, Zorvane and a bare Qt Widgets window of the
# same client size as each set-up window, alternately, on one private X server (Xvfb), and
# prints the median time until the set-up window is mapped, the median peak memory one second
# later, and each program's ratio to the bare window.
#
# usage: scripts/bench-startup.sh [--runs N] [--display :N] [--build DIR]
#   --runs     rounds of the four programs (default 10)
#   --display  the display number for Xvfb (default: the first free one)
#   --build    a configured build directory to use instead of building the release preset
set -euo pipefail
cd "$(dirname "$0")/.."

runs=10 display="" build=""
while [[ $# -gt 0 ]]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --display) display="$2"; shift 2 ;;
    --build) build="$2"; shift 2 ;;
    *) sed -n '7,10p' "$0" >&2; exit 2 ;;
  esac
done

scripts/install-deps.sh --bench
targets=(--target Varnel Zorvane bare_window startup_probe)
if [[ -z "$build" ]]; then
  build=build/release
  cmake --preset release >/dev/null
  cmake --build --preset release "${targets[@]}" >/dev/null
else
  cmake --build "$build" "${targets[@]}" >/dev/null
fi
probe="$build/tools/bench/startup_probe"

# Xvfb writes its display number to the pipe once it accepts clients.
exec {ready}< <(
  Xvfb ${display:+"$display"} -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
  echo "pid $!"
  wait
)
read -r _ xvfb <&"$ready"
trap 'kill "$xvfb" 2>/dev/null || true' EXIT
read -r -t 10 number <&"$ready" || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb

results=$(mktemp)
trap 'kill "$xvfb" 2>/dev/null || true; rm -f "$results" "$results.log"' EXIT

# One run: "<label> <milliseconds> <peak KiB> <width> <height>" into the results.
measure() {
  local label="$1"; shift
  local figures
  figures=$("$probe" "$@" 2>"$results.log") || { cat "$results.log" >&2; exit 1; }
  echo "$label $figures" >>"$results"
  echo "$figures"
}

# A first, uncounted run of each program warms the file cache and gives the set-up window's size.
declare -A size
for program in Varnel Zorvane; do
  read -r _ _ width height < <(measure warm-up "$build/apps/$program")
  size[$program]="$width $height"
done
: >"$results"

echo "Display $DISPLAY, $runs rounds, build $build" >&2
for ((round = 1; round <= runs; ++round)); do
  for program in Varnel Zorvane; do
    measure "$program" "$build/apps/$program" >/dev/null
    # shellcheck disable=SC2086  # the size is two arguments
    measure "bare-$program" "$build/tools/bench/bare_window" ${size[$program]} >/dev/null
  done
  echo -n . >&2
done
echo >&2

median() {  # label, column: the median of that column over the label's runs
  awk -v label="$1" -v column="$2" '$1 == label { print $column }' "$results" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

printf '%-8s %8s %11s %9s %6s %10s %9s %6s\n' program size "mapped ms" "bare ms" ratio \
  "peak MiB" "bare MiB" ratio
for program in Varnel Zorvane; do
  time=$(median "$program" 2) bare_time=$(median "bare-$program" 2)
  peak=$(median "$program" 3) bare_peak=$(median "bare-$program" 3)
  awk -v p="$program" -v s="${size[$program]/ /x}" -v t="$time" -v bt="$bare_time" \
      -v m="$peak" -v bm="$bare_peak" 'BEGIN {
    printf "%-8s %8s %11.1f %9.1f %5.2fx %10.1f %9.1f %5.2fx\n",
           p, s, t, bt, t / bt, m / 1024, bm / 1024, m / bm }'
done
