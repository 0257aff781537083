#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures a program under Xvfb at the default speed (10 ms) and with the
# speed bar at its fastest (1 ms): the real program's share of one core, read
# from /proc while the teacher's clicks have everything switched on, and the
# ticks per second of the same window hosted by bench/tick_rate, each beside
# a bare baseline (scripts/baseline_window.cpp: a window of the program's
# size repainted whole from a static image at the same interval) and their
# ratio. With a zoom other than 100 the program is zoomed with Ctrl++ to
# that step after the clicks, and its CPU share is set beside the baseline's
# at the zoomed size.
#
# At 10 ms the program and the baseline run at the same time, each on a
# virtual screen of its own, and are measured over the same ROUNDS stretches
# of SECONDS: a virtual machine's CPU gives the same work a third more or
# less time from one minute to the next, which would swing a ratio of two
# stretches taken one after the other. Each round's ratio is printed, and
# their median.
#   scripts/measure_ticks.sh BUILD_DIR [PROGRAM] [SECONDS] [ZOOM_PERCENT] [ROUNDS]
set -euo pipefail
build=$(cd "$1" && pwd); program=${2:-ondel8}; seconds=${3:-5}; zoom=${4:-100}; rounds=${5:-3}
here=$(cd "$(dirname "$0")/.." && pwd)
ticks_per_second=$(getconf CLK_TCK)
# shellcheck source=lib/xvfb_window.sh
. "$here/scripts/lib/xvfb_window.sh"

size=$("$build/bin/control_centre" "$program")
# The screen holds the window at its zoom.
screen=$(awk -F x -v z="$zoom" '{ w = int($1 * z / 100); h = int($2 * z / 100);
  w += 64; h += 64; printf "%dx%d", (w > 1024 ? w : 1024), (h > 768 ? h : 768) }' <<<"$size")

app=""
baseline_app=""
baseline_xvfb=""
runtime=$(mktemp -d)
trap 'kill $app $xvfb $baseline_app $baseline_xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
start_xvfb "$screen"

# The time a process's threads have run, in microseconds: to the
# nanosecond where the kernel keeps scheduler statistics, else in clock
# ticks.
cpu_microseconds() {
  if [ -r "/proc/$1/schedstat" ]; then
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d\n", s / 1000 }'
  else
    awk -v hz="$ticks_per_second" '{ printf "%d\n", ($14 + $15) * 1000000 / hz }' "/proc/$1/stat"
  fi
}

# The microseconds of CPU each of the processes given takes over $seconds,
# measured over the same stretch, on one line.
cpu_over_stretch() {
  local before=() pid k=0
  for pid; do before+=("$(cpu_microseconds "$pid")"); done
  sleep "$seconds"
  for pid; do printf '%d ' $(($(cpu_microseconds "$pid") - before[k++])); done
  echo
}

# Shares of one core that the program and Xvfb take over $seconds.
cpu_shares() {
  local used
  read -ra used < <(cpu_over_stretch "$app" "$xvfb")
  awk -v a="${used[0]}" -v x="${used[1]}" -v s="$seconds" \
    'BEGIN { printf "%.1f%% of one core (Xvfb: %.1f%%)", a / s / 1e4, x / s / 1e4 }'
}

# "A ticks/s, B% of one core" of the program over "C ticks/s, D% ..." of the
# baseline: the two ratios.
ratios() {
  awk -v p="$1" -v b="$2" 'BEGIN {
    split(p, pp, /[ ,%]+/); split(b, bb, /[ ,%]+/)
    printf "ticks/s %.2f, CPU %.2f", pp[1] / bb[1], (bb[3] > 0 ? pp[3] / bb[3] : 0) }'
}
figures() { sed -e 's/^.*: //' <<<"$1"; }

# Ctrl++ presses from 100% to the zoom asked for.
zoom_steps=(100 125 150 175 200 250 300)
presses=-1
for i in "${!zoom_steps[@]}"; do [ "${zoom_steps[$i]}" = "$zoom" ] && presses=$i; done
[ "$presses" -ge 0 ] || { echo "zoom must be one of ${zoom_steps[*]}" >&2; exit 2; }

start_program
for control in Command9 Command1 Command2 Command8; do click_control "$control"; done
for ((i = 0; i < presses; i++)); do xdotool key --window "$window" ctrl+plus; sleep 0.2; done
sleep 1
program_10=$(cpu_shares)
echo "$program at $zoom%, 10 ms: $program_10"

# The baseline on a screen of its own, running while the program does.
program_display=$DISPLAY
program_xvfb=$xvfb
start_xvfb "$screen"
baseline_xvfb=$xvfb
xvfb=$program_xvfb
"$build/bin/baseline_window" "$size" 10 $((rounds * seconds + 10)) "$zoom" >/dev/null 2>&1 &
baseline_app=$!
export DISPLAY=$program_display
sleep 1
side_by_side=()
for ((round = 1; round <= rounds; round++)); do
  read -r used_program used_baseline < <(cpu_over_stretch "$app" "$baseline_app")
  ratio=$(awk -v p="$used_program" -v b="$used_baseline" 'BEGIN { printf "%.2f", (b > 0 ? p / b : 0) }')
  side_by_side+=("$ratio")
  awk -v p="$used_program" -v b="$used_baseline" -v s="$seconds" -v r="$round" -v n="$program" -v q="$ratio" 'BEGIN {
    printf "round %d, side by side at 10 ms: %s %.2f%%, baseline %.2f%% of one core: %s\n", r, n, p / s / 1e4, b / s / 1e4, q }'
done
kill "$baseline_app" "$baseline_xvfb" 2>/dev/null || true
wait "$baseline_app" 2>/dev/null || true
baseline_app=""; baseline_xvfb=""
echo "$program window / baseline CPU side by side at $zoom%, 10 ms, median of $rounds: $(printf '%s\n' "${side_by_side[@]}" | sort -n | awk '{ r[NR] = $1 } END { print r[int((NR + 1) / 2)] }')"
# The speed bar takes the focus when clicked; Home moves it to 1 ms.
if [ "$zoom" = 100 ]; then
  click_control HScroll1
  xdotool key Home
  sleep 1
  echo "$program at 1 ms: $(cpu_shares)"
fi
kill $app; wait $app 2>/dev/null || true
app=""

for interval in 10 1; do
  baseline=$("$build/bin/baseline_window" "$size" "$interval" "$seconds" "$zoom")
  echo "$baseline"
  if [ "$interval" = 10 ]; then
    awk -v p="$program_10" -v b="$(figures "$baseline")" -v z="$zoom" -v n="$program" 'BEGIN {
      split(p, pp, /%/); split(b, bb, /[ ,%]+/)
      if (bb[3] > 0) printf "%s window / baseline CPU at %s%%, 10 ms, one after the other: %.2f\n", n, z, pp[1] / bb[3] }'
  fi
  [ "$zoom" = 100 ] || continue
  measured=$(cd "$here/data" && "$build/bin/tick_rate" "$program" "$interval" "$seconds")
  echo "$measured"
  echo "$program / baseline at $interval ms: $(ratios "$(figures "$measured")" "$(figures "$baseline")")"
done
