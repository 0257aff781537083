#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lighthouse 12.2.3 (npm, fetched by npx, kept out of the web build's
# packages so that no build waits for it) in its mobile
# preset on every program page of a built browser edition, served as a
# teacher might serve it, by `python3 -m http.server` (no compression, so
# every byte counts): the best of RUNS runs of each page, as a table of the
# performance score, total blocking time, largest and first contentful
# paint. Figures only: nothing here fails on them.
#   scripts/lighthouse.sh BUILD_WEB_DIR [RUNS] [PROGRAM...]   (all nine when none)
set -euo pipefail
site=$(cd "$1" && pwd); runs=${2:-2}
[ -f "$site/program.html" ] || { echo "no $site/program.html: build the web preset first" >&2; exit 2; }
export CHROME_PATH=${CHROME_PATH:-/usr/bin/chromium}

port=$((20000 + RANDOM % 20000))
(cd "$site" && exec python3 -m http.server "$port" --bind 127.0.0.1 >/dev/null 2>&1) &
server=$!
reports=$(mktemp -d)
trap 'kill $server 2>/dev/null || true; rm -rf "$reports"' EXIT
sleep 1

shift $(($# < 2 ? $# : 2))
programs=${*:-$(grep -o 'program.html#[a-z0-9_]*' "$site/index.html" | cut -d'#' -f2 | sort -u)}
printf '%-11s %5s %9s %9s %9s\n' page score "TBT ms" "LCP ms" "FCP ms"
for program in $programs; do
  for ((run = 1; run <= runs; run++)); do
    npx --yes lighthouse@12.2.3 "http://127.0.0.1:$port/program.html#$program" --quiet --only-categories=performance \
      --chrome-flags="--headless=new --no-sandbox" --output=json \
      --output-path="$reports/$program.$run.json" >/dev/null 2>&1 || true
  done
  # shellcheck disable=SC2016 # JavaScript, not the shell's
  node -e '
    const fs = require("node:fs");
    const [reports, program, runs] = process.argv.slice(1);
    const files = Array.from({ length: Number(runs) }, (_, k) => `${reports}/${program}.${k + 1}.json`);
    const read = (f) => { try { return JSON.parse(fs.readFileSync(f, "utf8")); } catch { return null; } };
    const best = files.map(read).filter((r) => r?.categories?.performance?.score != null)
      .sort((a, b) => b.categories.performance.score - a.categories.performance.score)[0];
    if (!best) { console.log(`${program.padEnd(11)}  (no report)`); process.exit(0); }
    const ms = (id) => String(Math.round(best.audits[id].numericValue)).padStart(9);
    console.log(`${program.padEnd(11)} ${String(Math.round(100 * best.categories.performance.score)).padStart(5)} ` +
      `${ms("total-blocking-time")} ${ms("largest-contentful-paint")} ${ms("first-contentful-paint")}`);
  ' "$reports" "$program" "$runs"
done
