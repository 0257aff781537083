#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The soak at length: every program's core through EVENTS random events
# (default 10 million each) under AddressSanitizer and
# UndefinedBehaviorSanitizer, JOBS programs at a time (default 2), at low
# priority. Prints each program's figures; a failure names its seed, which
# replays it:
#   scripts/soak-long.sh [EVENTS] [JOBS] [SEED]
# Logs land in build-sanitize/soak-long/<program>.log.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
events=${1:-10000000}
jobs=${2:-2}
seed=${3:-$(( $(date +%s) % 100000 ))}

"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize --target core_tests

tests="$here/build-sanitize/bin/core_tests"
logs="$here/build-sanitize/soak-long"
mkdir -p "$logs"
programs=$("$tests" --gtest_list_tests --gtest_filter='AllPrograms/Soak.*' | sed -n 's/^  RandomInputKeepsEveryInvariant\/\([^ ]*\).*/\1/p')
echo "soak: $events events per program, seed $seed, $jobs at a time"

export ONDEL_SOAK_EVENTS=$events ONDEL_SOAK_SEED=$seed
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export tests logs
# shellcheck disable=SC2016 # expanded by the inner shell
printf '%s\n' $programs | xargs -P "$jobs" -I{} sh -c \
  'nice "$tests" --gtest_filter="AllPrograms/Soak.RandomInputKeepsEveryInvariant/{}" >"$logs/{}.log" 2>&1 || true'

failed=0
for program in $programs; do
  grep -h '^soak ' "$logs/$program.log" || true
  if ! grep -q '^\[  PASSED  \] 1 test' "$logs/$program.log"; then
    echo "FAILED: $program (see $logs/$program.log)"
    failed=1
  fi
done
exit $failed
