#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the README's pictures (docs/*.png) again, each with the clicks a
# teacher would make, stopping the wave ("停止／駒送り") where the caption
# says. The waits are wall-clock time and a busy machine runs the timer late:
# look at the pictures before committing them.
#   scripts/readme-screenshots.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}

# shot PROGRAM PICTURE STEP...
shot() { "$here/scripts/screenshot.sh" "$build" "$1" "$here/docs/$2.png" "${@:3}"; }

shot ondel8 ondel8-rest Command1 Command2 Command8 wait:0.5
shot ondel8 ondel8 Command1 Command2 Command9 wait:2.1 Command3
shot ondel8_dou ondel8_dou Command1 Command2 Command9 wait:2.1 Command3
shot ondel9 ondel9 Command1 Command6 Command8 Command9 wait:3.1 Command3
shot ondel10 ondel10 Command1 drag:VScroll1:-70:70 wait:0.6 Command3
shot ondel3a ondel3a wait:1 Command3
shot ondel5 ondel5 Command6 Command8 wait:3 Command3
shot ondel15 ondel15 Command1 Command2 Command8 Command9 wait:5 Command3
shot ondel15 ondel15-antiphase Command1 Command2 Command8 Command6 Command9 wait:5 Command3
shot ondel9 strobe Command1 Command7 Command7 Command7 key:s Command9 wait:2.1 Command3
shot ondel3a annotations Command6 key:a Command2 wait:4 Command3
