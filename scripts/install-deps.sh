#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that building, running and testing need,
# where they are missing, and the German locale the number tests read under.
# Uses sudo when not run as root.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  qt6-base-dev qt6-translations-l10n libgl-dev libgif-dev libgtest-dev libbenchmark-dev
  emscripten locales
  chromium firefox-esr webkit2gtk-driver
  fonts-ipafont-gothic fonttools python3-brotli
  xvfb xauth xdotool imagemagick
  librsvg2-bin dpkg-dev file desktop-file-utils appstream lintian
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# npm comes with some Node.js builds (which then refuse Debian's npm): only
# a machine without one gets Debian's.
command -v npm >/dev/null || missing+=(npm)
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Its decimal point is a comma: numbers must still be read with a point.
if ! locale -a | grep -x 'de_DE\.utf8' >/dev/null; then
  echo "Generating the de_DE.UTF-8 locale"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
