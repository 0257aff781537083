#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs each fuzz target for a long time, one after another, under
# AddressSanitizer and UndefinedBehaviorSanitizer, and prints its final
# figures (executions, coverage, features, corpus).
#   scripts/fuzz-long.sh [RUNS]          (default 10 000 000 executions each)
# The growing corpus stays in build-fuzz/long/<target>/corpus between runs,
# the log in build-fuzz/long/<target>/log; a fault's input lands beside them
# and stops the script.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-10000000}

"$here/scripts/install-deps.sh"
cd "$here"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

cd "$here/fuzz" # the options name files here
for target in fuzz_pulse_file fuzz_numeric_value; do
  work="$here/build-fuzz/long/$target"
  mkdir -p "$work/corpus"
  echo "== $target: $runs executions"
  # shellcheck disable=SC2046 # the options are separate words
  if ! nice "$here/build-fuzz/bin/$target" -runs="$runs" -print_final_stats=1 $(cat "$target.options") \
      -artifact_prefix="$work/" "$work/corpus" "corpus/$target" >"$work/log" 2>&1; then
    tail -n 60 "$work/log"
    echo "== $target found a fault; the full log is $work/log"
    exit 1
  fi
  grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::' "$work/log"
done
