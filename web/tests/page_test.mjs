// SPDX-License-Identifier: GPL-3.0-or-later
// The site as a teacher meets it, served over http: the start page links
// the nine programs; in each, 横波 shows the particles on the canvas (where
// the controls stand is checked in every engine by engines_test.mjs); the
// canvas painter keeps its promises; a file that cannot be read is reported.
//   node page_test.mjs SITE_FOLDER
import { join } from 'node:path';
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { greenPixels } from './frame_pixels.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium();

// The window's commands the bar shows each program: the files' before the
// lesson tools, the window's after them.
const fileCommands = {
  loads: ['ファイルを開く', '画像を保存', '動画を保存', 'データを保存'],
  draws: ['パルスを保存', '画像を保存', '動画を保存', 'データを保存'],
  computes: ['画像を保存', '動画を保存', 'データを保存'],
};
const barRows = {
  ondel8: 'loads', ondel8_dou: 'loads', ondel9: 'loads', ondel15: 'loads', ondel10: 'draws',
  ondel3: 'computes', ondel3a: 'computes', ondel5: 'computes', ondel5a: 'computes',
};
const windowCommands = ['ヘルプ', 'このプログラムについて', '全画面表示', '計測'];
// How long the page's elements are watched from tick to tick, and how long
// the browser is given to have timed the picture's paint (ms).
const watchedMs = 300;
const paintTimedMs = 1000;

const barCommands = (page) => page.$$eval('#bar .bar-group > *', (elements) =>
  elements.filter((e) => !e.hidden).map((e) => e.textContent));

async function greenAfterClick(page, control) {
  if (control) await page.click(`#${control}`);
  await page.waitForTimeout(300);
  return page.evaluate(greenPixels);
}

// The painter: [name, drawing, width of the line before it, pixel to read, colour expected there].
async function runPainterRows(antialiased) {
  const canvas = document.createElement('canvas');
  const core = await OndelCore();
  const painter = new drawing.SurfacePainter(canvas, core.painterContract(), { antialiased });
  painter.resize(40, 40, 1);
  const pixel = (x, y) => [...painter.ctx.getImageData(x, y, 1, 1).data.slice(0, 3)]
    .reduce((rgb, v) => rgb * 256 + v, 0);
  const op = (...numbers) => ({ numbers: new Float64Array(numbers), texts: [] });
  // A frame with a line across at y 30 px under a run of circles long
  // enough for the painter's layer: `first`, filler dots in a corner, `last`.
  const run = (first, last, lineColour = 0xff00ff) => op(0, 1, 3, 2, 0, 450, 600, 450, lineColour,
    3, ...first, ...Array(62).fill([3, 60, 60, 40, 0, 0]).flat(), 3, ...last);
  const dot = (x, y, rgb) => [x, y, 40, rgb, rgb];
  const [red, blue, far] = [dot(300, 300, 0xff0000), dot(300, 300, 0xff), dot(500, 500, 0)];
  const rows = [
    ['a circle smaller than its rim is a dot of the rim colour', [op(0, 1, 4, 3, 300, 300, 0, 0xff, 0xff0000)], 20, 20, 0xff0000],
    ['a circle fills inside its rim', [op(0, 1, 1, 3, 300, 300, 150, 0x00ff00, 0)], 20, 20, 0x00ff00],
    ['a thick rim reaches its half width outside', [op(0, 1, 4, 3, 300, 300, 150, 0xffffff, 0x0000ff)], 20, 9, 0x0000ff],
    ['a circle far outside draws nothing', [op(0, 3, 1e9, 300, 150, 0, 0)], 20, 20, 0xf0f0f0],
    ['a circle too large for a sprite still fills', [op(0, 3, 300, 300, 1e6, 0xff, 0)], 20, 20, 0xff],
    ['a circle at infinity draws nothing', [op(0, 3, Infinity, 300, 150, 0, 0)], 20, 20, 0xf0f0f0],
    ['a line in its colour', [op(0, 1, 3, 2, 0, 300, 600, 300, 0xff00ff)], 10, 20, 0xff00ff],
    ['a dot drawn again in the background erases it', [op(0, 1, 4, 3, 300, 300, 200, 0xff0000, 0xff0000),
      op(3, 300, 300, 200, 0xf0f0f0, 0xf0f0f0)], 7, 20, 0xf0f0f0],
    // A run is painted straight, then kept on the layer from the frame
    // that repeats what lies below it; only what moved is drawn again after.
    ['in a long run of circles a dot that moved leaves its place', [run(far, red), run(far, red),
      run(far, dot(450, 150, 0xff0000))], 20, 20, 0xf0f0f0],
    ['in a long run of circles what lies below shows its change', [run(far, red), run(far, red),
      run(far, red, 0x00ff00)], 10, 30, 0x00ff00],
    ['in a long run of circles the later stays on top where the earlier moved', [run(blue, red), run(blue, red),
      run(dot(315, 300, 0xff), red)], 20, 20, 0xff0000],
    ['a run kept again after what lies below changed shows the change', [run(far, red), run(far, red),
      run(far, red, 0x00ff00), run(far, dot(450, 150, 0xff0000), 0x00ff00)], 10, 30, 0x00ff00],
  ];
  return rows.map(([name, ops, x, y, expected]) => {
    for (const o of ops) painter.replay(o);
    const got = pixel(x, y);
    return [`${name}${antialiased ? '' : ' (hard edges)'}`, got === expected,
      `${got.toString(16)} (expected ${expected.toString(16)})`];
  });
}

// ondel8's frames as its pulses move, painted one after another by one
// painter (which keeps what did not move) and each alone by a new one: the
// pixels that differ, and the frames compared.
async function movingFramesApart() {
  for (const caption of ['実行/再実行', '横波', '縦波']) {
    [...document.querySelectorAll('#Form1 button')].find((b) => b.textContent === caption).click();
  }
  const { program } = window.ondelPage;
  const contract = (await OndelCore()).painterContract();
  const [width, height] = [800, 600]; // the whole of Form1's picture
  const surface = () => {
    const painter = new drawing.SurfacePainter(document.createElement('canvas'), contract);
    painter.resize(width, height, 1);
    return painter;
  };
  const pixels = (painter) => painter.ctx.getImageData(0, 0, width, height).data;
  const kept = surface();
  let apart = 0;
  const frames = 12;
  for (let k = 0; k < frames; k += 1) {
    program.tick(5);
    const frame = program.frame();
    kept.replay(frame);
    const alone = surface();
    alone.replay(frame);
    const [a, b] = [pixels(kept), pixels(alone)];
    for (let i = 0; i < a.length; i += 1) apart += a[i] !== b[i];
  }
  return { apart, frames };
}

// From the page's first paint: how far what was shown moved (its layout
// shifts, none from the teacher's input).
function watchShifts() {
  window.shifted = 0;
  new PerformanceObserver((list) => {
    for (const shift of list.getEntries()) if (!shift.hadRecentInput) window.shifted += shift.value;
  }).observe({ type: 'layout-shift', buffered: true });
}

// While the page's script is slow to come, the program's picture is shown
// in Form1's place, and it goes when the form comes.
async function pictureWhileLoading() {
  const slow = await serveFolder(site, { delays: { '/js/': 1000 } });
  const page = await browser.context.newPage();
  await page.goto(`${slow.url}program.html#ondel3a`, { waitUntil: 'commit' });
  const shown = await page.waitForFunction(() => document.getElementById('placeholder')?.naturalWidth > 0, null, { timeout: 5000 })
    .then(() => page.$eval('#placeholder', (picture) => picture.getBoundingClientRect().height > 0), () => false);
  await page.waitForSelector('#Form1 #Command1');
  const gone = await page.$eval('#placeholder', (picture) => getComputedStyle(picture).visibility === 'hidden')
    .catch(() => true);
  await page.close();
  await slow.close();
  return { shown, gone };
}

// When the core is asked for, with the program's picture `pictureMs` slow
// to come: {pictureCame, picturePainted, coreAsked, formCame}, in ms from
// navigation, as the page's own clock has them (the driver hears of
// requests late on a busy machine); painted is when the browser timed the
// picture's paint, as it does for the largest thing shown.
async function coreAfterPicture(pictureMs) {
  const slow = await serveFolder(site, { delays: { '/pictures/': pictureMs } });
  const page = await browser.context.newPage();
  await page.goto(`${slow.url}program.html#ondel8`, { waitUntil: 'commit' });
  await page.waitForSelector('#Form1 #Command1');
  const times = await page.evaluate(async (waitMs) => {
    const entry = (end) => performance.getEntriesByType('resource').find((e) => e.name.endsWith(end));
    const formCame = performance.now();
    const painted = await Promise.race([
      new Promise((resolve) => new PerformanceObserver((list) => {
        resolve(list.getEntries().find((e) => e.element?.id === 'placeholder')?.startTime);
      }).observe({ type: 'largest-contentful-paint', buffered: true })),
      new Promise((resolve) => setTimeout(resolve, waitMs)),
    ]);
    return { pictureCame: entry('.png')?.responseEnd, picturePainted: painted, coreAsked: entry('.wasm')?.startTime, formCame };
  }, paintTimedMs);
  await page.close();
  await slow.close();
  return times;
}

// [name, the picture's delay (ms), what the times must show].
const pictureFirstRows = [
  ['the core is asked for once the program\'s picture is on the screen', 400, (t) => t.coreAsked > t.picturePainted],
  ['a picture slow to come holds the core back no longer than a second', 4000,
    (t) => t.pictureCame === undefined && t.coreAsked < 2500],
];

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  await page.addInitScript(watchShifts);
  await page.goto(`${server.url}index.html`);
  const links = await page.$$eval('.programs a', (as) => as.map((a) => a.getAttribute('href')));
  tally.check('the start page links nine programs', links.length === 9, links.join(' '));
  const pictures = await page.$$eval('.programs a img', (imgs) => imgs.filter((img) => img.naturalWidth > 0).length);
  tally.check('… each with its picture', pictures === 9, `${pictures} pictures shown`);
  // One main landmark and one h1, on the start page and on every program's.
  const landmarks = () => page.evaluate(() => [document.querySelectorAll('main').length, document.querySelectorAll('h1').length]);
  tally.check('the start page has one main and one h1', String(await landmarks()) === '1,1');

  for (const link of links) {
    const name = link.split('#')[1];
    // At 100%, where a CSS pixel of Form1 is 15 twips.
    await page.goto(`${server.url}${link.replace('#', '?zoom=100#')}`);
    await page.waitForSelector('#Form1 #Command1');
    const shifted = await page.evaluate(() => new Promise((settled) =>
      requestAnimationFrame(() => requestAnimationFrame(() => settled(window.shifted)))));
    tally.check(`${name}: nothing shown moves as the page is built`, shifted === 0, `layout shift ${shifted}`);
    // Ticking, only the canvases change: an element touched at every tick
    // costs the page a style pass each time, even if set to what it was.
    const touched = await page.evaluate((ms) => new Promise((done) => {
      const seen = [];
      const watch = new MutationObserver((list) => seen.push(...list.map((m) => `${m.target.id} ${m.attributeName ?? m.type}`)));
      watch.observe(document.body, { subtree: true, attributes: true, childList: true, characterData: true });
      setTimeout(() => {
        watch.disconnect();
        done(seen);
      }, ms);
    }), watchedMs);
    tally.check(`${name}: its elements are left alone from tick to tick`, touched.length === 0, touched.slice(0, 3).join(', '));
    tally.check(`${name}: one main and one h1`, String(await landmarks()) === '1,1');
    const hint = () => page.$eval('#first-hint', (p) => ({
      shown: !p.hidden && getComputedStyle(p).visibility === 'visible',
      text: p.textContent,
      formTop: document.getElementById('Form1').getBoundingClientRect().top,
    }));
    const hintBefore = await hint();
    const bar = (await barCommands(page)).join(' ');
    const wanted = [...fileCommands[barRows[name]], ...windowCommands].join(' ');
    tally.check(`${name}: its bar offers ${wanted}`, bar === wanted, bar);
    const before = await greenAfterClick(page, null);
    const after = await greenAfterClick(page, 'Command1');
    const hintAfter = await hint();
    // The standing-wave programs open with the row shown: 横波 hides it, and again shows it.
    const again = before > 200 ? await greenAfterClick(page, 'Command1') : after;
    const shown = (before < 20 && after > 200) || (before > 200 && after < 20 && again > 200);
    tally.check(`${name}: 横波 shows the particles`, shown, `green pixels ${before}, ${after}, ${again}`);
    // The first hint: only where the rows start hidden, gone once one shows, Form1 not moved.
    tally.check(`${name}: the first hint shows while the rows are hidden`, hintBefore.shown === before < 20 &&
      (!hintBefore.shown || hintBefore.text.startsWith('「横波」か「縦波」を押すと粒子の列が出ます。')), hintBefore.text);
    tally.check(`${name}: … and goes, keeping its place, once a row shows`, !hintAfter.shown &&
      hintAfter.formTop === hintBefore.formTop, `Form1 at ${hintBefore.formTop}, then ${hintAfter.formTop}`);
  }

  await page.goto(`${server.url}program.html#ondel8`);
  await page.waitForSelector('#Form1 #Command1');
  await page.addScriptTag({ path: join(site, 'tests', 'drawing.js') });
  for (const antialiased of [true, false]) {
    for (const [name, ok, detail] of await page.evaluate(runPainterRows, antialiased)) {
      tally.check(`painter: ${name}`, ok, detail);
    }
  }
  const { apart, frames } = await page.evaluate(movingFramesApart);
  tally.check('painter: moving frames painted in turn match each painted alone', apart === 0,
    `${apart} channels apart over ${frames} frames`);

  // The keys reach the focused bar in place of the browser's own moves
  // (the moves themselves are tested in logic/scroll_bar_test.mjs).
  const keyRows = [['Home', '1'], ['ArrowRight', '2'], ['End', '200']];
  await page.focus('#HScroll1');
  for (const [key, expected] of keyRows) {
    await page.keyboard.press(key);
    const value = await page.$eval('#HScroll1', (bar) => bar.value);
    tally.check(`the speed bar answers ${key}`, value === expected, `${value} (expected ${expected})`);
  }

  await page.fill('#Text1', 'no_such_pulse');
  await page.click('#Command9');
  const message = await page.$eval('#messages', (dialog) => (dialog.open ? dialog.textContent : ''));
  tally.check('a file that cannot be read is reported in Japanese', message.includes('no_such_pulse.csv') &&
    message.includes('見つかりません'), message.trim());
  await page.click('#messages button');
  tally.check('the message closes with OK', !(await page.$eval('#messages', (dialog) => dialog.open)));

  const picture = await pictureWhileLoading();
  tally.check('the program\'s picture shows while the page loads, and goes when the form comes',
    picture.shown && picture.gone, JSON.stringify(picture));
  for (const [name, delay, holds] of pictureFirstRows) {
    const times = await coreAfterPicture(delay);
    tally.check(name, holds(times), JSON.stringify(times));
  }

  // An unknown program has no picture either: its page's one missing file.
  const unknown = await browser.context.newPage();
  await unknown.goto(`${server.url}program.html#ondel99`);
  const status = await unknown.waitForSelector('#status:not([hidden])').then((s) => s.textContent());
  const barShown = await unknown.$eval('#bar', (bar) => getComputedStyle(bar).visibility === 'visible');
  tally.check('an unknown program is named, the bar shown', status.includes('ondel99') && barShown, status);

  for (const error of errors) tally.check('the pages report no error', false, error);
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
