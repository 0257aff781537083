#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one program under Xvfb, clicks the named controls (as a teacher would,
# with the mouse), waits, and saves a screenshot of the program's window.
#   scripts/screenshot.sh BUILD_DIR PROGRAM OUT.png [STEP ...]
# A STEP is a control name to click (Command1, Option3, ...), "wait:SECONDS",
# "type:TEXT" (types into the focused text box, replacing its text),
# "key:KEY" (presses a key, xdotool's name: "s", "a"), or
# "drag:CONTROL:DY[:DY...]" (presses the mouse on the control's centre, moves
# it DY pixels down, negative up, for each DY in turn, each over a quarter
# of a second, and lets go; a DY of 0 holds still that long).
set -euo pipefail
build=$(cd "$1" && pwd); program=$2; out=$3; shift 3
here=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=lib/xvfb_window.sh
. "$here/scripts/lib/xvfb_window.sh"

app=""
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
start_xvfb
start_program
xdotool windowmove "$window" 0 0
sleep 0.5

for step in "$@"; do
  case "$step" in
    wait:*) sleep "${step#wait:}" ;;
    key:*) xdotool key --window "$window" "${step#key:}" ;;
    type:*) xdotool key --window "$window" ctrl+a; xdotool type --window "$window" "${step#type:}" ;;
    drag:*)
      drag=${step#drag:}
      IFS=: read -r control legs <<<"$drag"
      read -r x y < <("$build/bin/control_centre" "$program" "$control")
      xdotool mousemove --window "$window" "$x" "$y" mousedown 1
      IFS=: read -ra moves <<<"$legs"
      for dy in "${moves[@]}"; do
        from=$y
        for i in $(seq 25); do
          y=$((from + dy * i / 25))
          xdotool mousemove --window "$window" "$x" "$y"
          sleep 0.01
        done
      done
      xdotool mouseup 1
      sleep 0.1 ;;
    *) click_control "$step" ;;
  esac
done
sleep 0.3
import -window "$window" "$out"
