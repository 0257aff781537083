#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything, and runs the whole test
# suite: the core and widget tests, the installed layout and the Debian
# package, then compiles the core for the browser (emscripten), builds the
# browser edition and runs its tests in headless chromium, then runs the
# core tests again under AddressSanitizer and
# UndefinedBehaviorSanitizer, then each fuzz target for a few seconds.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)

"$here/scripts/install-deps.sh"
cd "$here"

cmake --preset default
cmake --build --preset default
ctest --preset default
scripts/check-package.sh build

cmake --preset wasm-core
cmake --build --preset wasm-core

cmake --preset web
cmake --build --preset web
ctest --preset web

cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz
