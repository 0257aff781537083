// SPDX-License-Identifier: GPL-3.0-or-later
// A short run of the benchmark page, as it is and under 4× CPU throttling,
// printing its figures beside their targets for reading; it judges none of
// them and is no test (the web_bench target runs it). It exits non-zero
// only when the page yields no figures.
// SIZE (1920x1080) gives the program's frame a projector's size.
//   node bench_test.mjs SITE_FOLDER SECONDS [SIZE]
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site, seconds = '3', size = ''] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium();

// The page's main-thread tasks from a trace, from loading on: the longest
// one and the one with the most CPU time. On a loaded machine a task's
// length is mostly time spent waiting for a CPU; its CPU time is its own.
async function traceTasks(context, page) {
  const cdp = await context.newCDPSession(page);
  const events = [];
  cdp.on('Tracing.dataCollected', ({ value }) => events.push(...value));
  await cdp.send('Tracing.start', { categories: 'devtools.timeline,disabled-by-default-devtools.timeline', transferMode: 'ReportEvents' });
  return {
    async stop() {
      const complete = new Promise((resolve) => cdp.once('Tracing.tracingComplete', resolve));
      await cdp.send('Tracing.end');
      await complete;
      const main = new Set(events.filter((e) => e.name === 'thread_name' && e.args.name === 'CrRendererMain')
        .map((e) => `${e.pid}:${e.tid}`));
      const tasks = events.filter((e) => e.name === 'RunTask' && main.has(`${e.pid}:${e.tid}`))
        .map((e) => ({ wall: Math.round(e.dur / 1000), cpu: Math.round((e.tdur ?? 0) / 1000) }));
      const most = (key) => tasks.reduce((a, b) => (b[key] > a[key] ? b : a), { wall: 0, cpu: 0 });
      return { longest: most('wall'), busiest: most('cpu') };
    },
  };
}

const targets = [
  ['formScale', 'Form1 shown at', (v) => `${(100 * v).toFixed(1)}%`, '—'],
  ['firstFrameMs', 'first frame, from navigation', (v) => (v === null ? 'not marked' : `${v.toFixed(0)} ms`), '≤ 300 ms, ≤ 1 s at 4×'],
  ['ticksPerSecondAt10ms', 'ticks/s at 10 ms', (v) => v.toFixed(1), '100 ± 3'],
  ['ticksPerSecondAt1ms', 'ticks/s at 1 ms', (v) => v.toFixed(1), '≥ 950'],
  ['busiestPaintMs', 'busiest frame painted (median)', (v) => `${v.toFixed(2)} ms`, '< 1 ms'],
  ['busiestPaintReadBackMs', 'busiest frame painted, pixels read back (median)', (v) => `${v.toFixed(2)} ms`, '—'],
  ['longestTaskMs', 'longest task', (v) => (v === null ? 'not reported' : v === 0 ? 'none over 50 ms' : `${v.toFixed(0)} ms`), '≤ 50 ms'],
];

try {
  for (const throttling of [1, 4]) {
    const page = await browser.context.newPage();
    const errors = collectPageErrors(page);
    if (throttling > 1) {
      const cdp = await browser.context.newCDPSession(page);
      await cdp.send('Emulation.setCPUThrottlingRate', { rate: throttling });
    }
    const tasks = await traceTasks(browser.context, page);
    await page.goto(`${server.url}bench.html?seconds=${seconds}${size && `&size=${size}`}`);
    const results = await page.waitForFunction(() => window.benchResults, null, { timeout: 60000 })
      .then((handle) => handle.jsonValue());
    const label = throttling > 1 ? ` (CPU ${throttling}× slower)` : '';
    tally.check(`the benchmark ran${label}`, Object.keys(results).length === targets.length + 1);
    for (const [key, name, format, target] of targets) console.log(`     ${name}${label}: ${format(results[key])} (target ${target})`);
    const { longest, busiest } = await tasks.stop();
    console.log(`     longest main-thread task, from loading on${label}: ${longest.wall} ms, of which ${longest.cpu} ms on the CPU`);
    console.log(`     most CPU time in one main-thread task${label}: ${busiest.cpu} ms (${busiest.wall} ms long)`);
    for (const error of errors) tally.check('the page reports no error', false, error);
    await page.close();
  }
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
