#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts one program (ondel8 when none
# is named) with the shipped data files as its working directory.
#   scripts/run.sh [ondel8|ondel8_dou|ondel9|ondel10|ondel3|ondel3a|ondel5|ondel5a|ondel15]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-ondel8}

"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset default >/dev/null
cmake --build --preset default --target "$program"
cd "$here/data"
exec "$here/build/bin/$program"
