// SPDX-License-Identifier: GPL-3.0-or-later
// A short run of the benchmark page, as it is and under 4× CPU throttling,
// printing its figures beside their targets for reading; it judges none of
// them and is no test (the web_bench target runs it). It exits non-zero
// only when the page yields no figures.
// Form1 is shown at 100%, or with SIZE (1920x1080) fitted to a frame of a
// projector's size; ENGINE
// (firefox or webkit) runs it once there, with the figures that engine's
// clock and its missing long-task reports allow, and no throttling.
//   node bench_test.mjs SITE_FOLDER SECONDS [SIZE] [ENGINE]
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { launchEngine, waitInPage } from './engines.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site, seconds = '3', size = '', engine = 'chromium'] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site, { recordErrors: engine !== 'chromium' });
const address = `${server.url}bench.html?seconds=${seconds}${size ? `&size=${size}` : '&zoom=100'}`;

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
  ['tickAndPaintMs', 'a tick and its frame painted (median)', (v) => `${v.toFixed(2)} ms`, '< 1 ms'],
  ['clockStepMs', "the page's clock step", (v) => (v === null ? 'not seen to move' : `${v.toFixed(3)} ms`), '—'],
  ['longestTaskMs', 'longest task', (v) => (v === null ? 'not reported' : v === 0 ? 'none over 50 ms' : `${v.toFixed(0)} ms`), '≤ 50 ms'],
];

function report(results, label) {
  tally.check(`the benchmark ran${label}`, Object.keys(results).length === targets.length + 1);
  for (const [key, name, format, target] of targets) console.log(`     ${name}${label}: ${format(results[key])} (target ${target})`);
}

// Two runs of the page per speed, and the time the page takes besides.
const pageWaitMs = 2 * 1000 * Number(seconds) + 60000;

async function otherEngine() {
  const tab = await launchEngine(engine);
  try {
    await tab.goto(address);
    await waitInPage(tab, () => Boolean(window.benchResults), null, pageWaitMs, 'the benchmark');
    report(await tab.evaluate(() => window.benchResults), ` (${engine})`);
    const errors = await tab.evaluate(() => window.pageErrors ?? []);
    for (const error of errors) tally.check('the page reports no error', false, error);
  } finally {
    await tab.close();
  }
}

async function chromium() {
  const browser = await launchChromium();
  try {
    await throttledRuns(browser);
  } finally {
    await browser.close();
  }
}

async function throttledRuns(browser) {
  for (const throttling of [1, 4]) {
    const page = await browser.context.newPage();
    const errors = collectPageErrors(page);
    if (throttling > 1) {
      const cdp = await browser.context.newCDPSession(page);
      await cdp.send('Emulation.setCPUThrottlingRate', { rate: throttling });
    }
    const tasks = await traceTasks(browser.context, page);
    await page.goto(address);
    const results = await page.waitForFunction(() => window.benchResults, null, { timeout: pageWaitMs })
      .then((handle) => handle.jsonValue());
    const label = throttling > 1 ? ` (CPU ${throttling}× slower)` : '';
    report(results, label);
    const { longest, busiest } = await tasks.stop();
    console.log(`     longest main-thread task, from loading on${label}: ${longest.wall} ms, of which ${longest.cpu} ms on the CPU`);
    console.log(`     most CPU time in one main-thread task${label}: ${busiest.cpu} ms (${busiest.wall} ms long)`);
    for (const error of errors) tally.check('the page reports no error', false, error);
    await page.close();
  }
}

try {
  await (engine === 'chromium' ? chromium() : otherEngine());
} finally {
  await server.close();
}
tally.finish();
