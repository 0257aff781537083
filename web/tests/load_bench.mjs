// SPDX-License-Identifier: GPL-3.0-or-later
// How quickly ondel8 starts, served over http to a browser that has never
// seen it: from navigation to the first frame painted, and the longest
// main-thread task in that time (its length, and its time on the CPU, as
// a loaded machine makes tasks long by waiting), at full speed and with
// the CPU 4× slower (a school's Chromebook). With a second folder, the same
// beside it in the same run (the previous build), and a bare page's, the
// floor this machine puts under any page. Figures only, the median of RUNS
// fresh browsers each; it fails on none (the web_bench target runs it;
// ONDEL_BASELINE_SITE names the previous build's folder there).
//   node load_bench.mjs SITE_FOLDER [BASELINE_FOLDER] [RUNS]
import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';

const [site, baseline = process.env.ONDEL_BASELINE_SITE, runs = '3'] = process.argv.slice(2);
const firstFrameMark = 'ondel-first-frame';
const throttlings = [1, 4];

// One start of the page, traced: {firstFrame, longest: {wall, cpu}} in ms.
async function startOnce(folder, throttling) {
  const server = await serveFolder(folder);
  const browser = await launchChromium();
  try {
    const page = await browser.context.newPage();
    const cdp = await browser.context.newCDPSession(page);
    await cdp.send('Emulation.setCPUThrottlingRate', { rate: throttling });
    const events = [];
    cdp.on('Tracing.dataCollected', ({ value }) => events.push(...value));
    await cdp.send('Tracing.start', {
      categories: 'devtools.timeline,disabled-by-default-devtools.timeline,blink.user_timing',
      transferMode: 'ReportEvents',
    });
    await page.goto(`${server.url}program.html#ondel8`);
    // Asked with a bare expression through the protocol: Playwright's own
    // waiting would first put its large helper script into the page, a long
    // task of its own while the page starts.
    const asked = `performance.getEntriesByName('${firstFrameMark}')[0]?.startTime ?? null`;
    let firstFrame = null;
    for (const until = Date.now() + 60000; firstFrame === null && Date.now() < until;) {
      await new Promise((resolve) => setTimeout(resolve, 20));
      ({ result: { value: firstFrame = null } } = await cdp.send('Runtime.evaluate', { expression: asked, returnByValue: true }));
    }
    const complete = new Promise((resolve) => cdp.once('Tracing.tracingComplete', resolve));
    await cdp.send('Tracing.end');
    await complete;
    // The page's own main thread: the one that marked its first frame.
    const mark = events.find((e) => e.name === firstFrameMark);
    const start = events.find((e) => e.name === 'navigationStart' && e.pid === mark.pid);
    const tasks = events.filter((e) => e.name === 'RunTask' && e.pid === mark.pid && e.tid === mark.tid &&
      e.ts + e.dur >= start.ts && e.ts <= mark.ts);
    const longest = tasks.reduce((a, b) => (b.dur > a.dur ? b : a), { dur: 0, tdur: 0 });
    return { firstFrame, longest: { wall: longest.dur / 1000, cpu: (longest.tdur ?? 0) / 1000 } };
  } finally {
    await browser.close();
    await server.close();
  }
}

// The bare page: no style, no script file, no core; one canvas of Form1's
// size, filled and given about as many dots as ondel8's frame holds, at the
// page's second animation frame (once the page is on the screen), then
// marked as the program's page marks its first frame.
const formSize = { width: 792, height: 573 };
const dots = 900;
async function barePage() {
  const folder = await mkdtemp(join(tmpdir(), 'ondel-bare-page-'));
  await writeFile(join(folder, 'program.html'), `<!DOCTYPE html>
<html lang="ja"><head><meta charset="utf-8"><title>bare</title></head>
<body><canvas id="c" width="${formSize.width}" height="${formSize.height}"></canvas><script>
requestAnimationFrame(() => requestAnimationFrame(() => {
  const ctx = document.getElementById('c').getContext('2d');
  ctx.fillStyle = '#fff';
  ctx.fillRect(0, 0, ${formSize.width}, ${formSize.height});
  ctx.fillStyle = '#00f';
  for (let i = 0; i < ${dots}; i += 1) {
    ctx.beginPath();
    ctx.arc((i * 7) % ${formSize.width}, 100 + (i % 30) * 10, 3, 0, 2 * Math.PI);
    ctx.fill();
  }
  performance.mark('${firstFrameMark}');
}));
</script></body></html>
`);
  return folder;
}

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const bare = await barePage();
const builds = [['this build', site], ...(baseline ? [['previous build', baseline]] : []), ['bare page (floor)', bare]];
const rows = [];
for (const throttling of throttlings) {
  // Taken in turns, so that a machine's busy moment falls on both alike.
  const samples = builds.map(() => []);
  for (let k = 0; k < Number(runs); k += 1) {
    for (const [b, [, folder]] of builds.entries()) samples[b].push(await startOnce(folder, throttling));
  }
  for (const [b, [name]] of builds.entries()) {
    const s = samples[b];
    rows.push([`${name}, CPU ${throttling}×`, median(s.map((r) => r.firstFrame)),
      median(s.map((r) => r.longest.wall)), median(s.map((r) => r.longest.cpu))]);
  }
}
const targets = { 1: '≤ 300 ms, no task over 50 ms', 4: '≤ 1000 ms' };
console.log(`ondel8 served over http, from navigation to its first frame (median of ${runs}):`);
console.log(`${'build'.padEnd(26)} ${'first frame'.padStart(12)} ${'longest task'.padStart(13)} ${'its CPU'.padStart(8)}`);
for (const [name, first, wall, cpu] of rows) {
  console.log(`${name.padEnd(26)} ${`${first.toFixed(0)} ms`.padStart(12)} ${`${wall.toFixed(0)} ms`.padStart(13)} ` +
    `${`${cpu.toFixed(0)} ms`.padStart(8)}`);
}
await rm(bare, { recursive: true, force: true });
console.log(`targets: at 1× ${targets[1]}; at 4× ${targets[4]}`);
