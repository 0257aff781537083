#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Lighthouse's accessibility and best-practices scores of the start page and
# of ondel8, as a table: the browser edition served as any static server
# would (python's, on 127.0.0.1) and audited in Debian's chromium.
#   scripts/lighthouse-scores.sh [SITE_FOLDER]   (default build-web)
# Lighthouse comes from npm at the version the figures are quoted for.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
site=$(cd "${1:-$here/build-web}" && pwd)
version=12.2.3
port=${LIGHTHOUSE_PORT:-8765}
out=$(mktemp -d)
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
server=$!
trap 'kill $server 2>/dev/null || true; rm -rf "$out"' EXIT
sleep 1

export CHROME_PATH=${CHROME_PATH:-/usr/bin/chromium}
printf '%-28s %14s %15s\n' page accessibility best-practices
for page in index.html "program.html#ondel8"; do
  report=$out/report.json
  npx --yes "lighthouse@$version" "http://127.0.0.1:$port/$page" --quiet \
    --only-categories=accessibility,best-practices --output=json --output-path="$report" \
    --chrome-flags="--headless --no-sandbox --disable-gpu" >/dev/null
  node -e '
    const r = require(process.argv[1]);
    const score = (c) => Math.round(r.categories[c].score * 100);
    const failed = Object.values(r.audits).filter((a) => a.score === 0).map((a) => a.id);
    console.log(`${process.argv[2].padEnd(28)} ${String(score("accessibility")).padStart(14)} ${String(score("best-practices")).padStart(15)}`);
    if (failed.length) console.log(`  failed audits: ${failed.join(", ")}`);
  ' "$report" "$page"
done
