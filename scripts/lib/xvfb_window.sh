# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the scripts that drive a program under Xvfb like a teacher:
# source it, then start_xvfb, start_program and click_control. Needs $build
# (a build folder), $program and $here (the repository) to be set.

# Starts a virtual screen (1024x768 unless a WIDTHxHEIGHT is given) and
# points DISPLAY at it; its pid is in $xvfb.
start_xvfb() {
  # Xvfb picks a free display itself and writes its number: a display chosen
  # here could already belong to another virtual screen on a shared machine.
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-1024x768}x24" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [ -s "$number_file" ] && break; sleep 0.1; done
  [ -s "$number_file" ] || { echo "Xvfb did not start" >&2; rm -f "$number_file"; return 1; }
  export DISPLAY=:$(tr -d '[:space:]' <"$number_file")
  rm -f "$number_file"
}

# Starts $program in data/ and waits for its window; sets $app and $window.
start_program() {
  (cd "$here/data" && exec "$build/bin/$program") &
  app=$!
  window=""
  for _ in $(seq 50); do
    window=$(xdotool search --sync --onlyvisible --name '^ondel_nami$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.2
  done
}

# Clicks the centre of a control, as the layout table places it.
click_control() {
  local x y
  read -r x y < <("$build/bin/control_centre" "$program" "$1")
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.1
}
