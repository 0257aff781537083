// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's fingers, through Chromium's touch emulation: a tap on 横波
// shows the row on the canvas, a tap on an option selects it, the speed bar
// follows a tap on its track and a drag of its thumb, and ondel10's slide
// bar follows a drag without scrolling the page, at the fitted size and at
// 125%; each reaches the core at once (no tap delay).
//   node touch_test.mjs SITE_FOLDER
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { greenPixels } from './frame_pixels.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium({ hasTouch: true, isMobile: true, viewport: { width: 900, height: 450 } });

// Records what reaches the core: each action performed and each value set, with the time.
function spyOnCore() {
  const { program } = window.ondelPage;
  window.reached = [];
  addEventListener('touchend', () => {
    window.lastTouchEnd = performance.now();
  }, { capture: true });
  for (const method of ['perform', 'setValue']) {
    const original = program[method].bind(program);
    program[method] = (...args) => {
      window.reached.push({ method, args, at: performance.now() });
      return original(...args);
    };
  }
}

// A finger put down at `from`, moved in steps to `to` and lifted (page pixels).
async function drag(page, cdp, from, to) {
  const point = (t) => [{ x: from.x + (to.x - from.x) * t, y: from.y + (to.y - from.y) * t }];
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: point(0) });
  for (let step = 1; step <= 10; step += 1) {
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: point(step / 10) });
  }
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  await page.waitForTimeout(100);
}

async function open(page, name, query = '') {
  await page.goto(`${server.url}program.html${query}#${name}`);
  await page.waitForSelector('#Form1 #Command1');
  await page.evaluate(spyOnCore);
}

const box = (page, id) => page.locator(`#${id}`).boundingBox();
const values = (page, method) => page.evaluate((m) => window.reached.filter((r) => r.method === m), method);

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  const cdp = await browser.context.newCDPSession(page);
  await open(page, 'ondel8');

  const before = await page.evaluate(greenPixels);
  await page.tap('#Command1');
  await page.waitForTimeout(300);
  const after = await page.evaluate(greenPixels);
  tally.check('a tap on 横波 shows the particles', before < 20 && after > 200, `green pixels ${before}, ${after}`);
  // A page that may be zoomed by a double tap holds a tap back some 300 ms.
  const [first] = await values(page, 'perform');
  const lifted = await page.evaluate(() => window.lastTouchEnd);
  tally.check('the tap reaches the core as the finger lifts', first && first.at - lifted < 100,
    first ? `${(first.at - lifted).toFixed(0)} ms after the finger lifted` : 'never');

  const option = await page.$$eval('#Form1 label.Option', (labels) => labels.find((l) => !l.querySelector('input').checked)?.id);
  await page.tap(`#${option} input`);
  tally.check(`a tap selects the option ${option}`, await page.$eval(`#${option} input`, (radio) => radio.checked));
  tally.check('… and reaches the core', (await values(page, 'perform')).length === 2);

  // The bars at the fitted size (smaller than 100% here) and larger than 100%.
  for (const [size, query] of [['fitted', ''], ['125%', '?zoom=125']]) {
    if (query) await open(page, 'ondel8', query);
    // The speed bar: a tap on its track near the right end, then a drag of its thumb to the left end.
    const bar = await box(page, 'HScroll1');
    const y = bar.y + bar.height / 2;
    await page.touchscreen.tap(bar.x + bar.width * 0.9, y);
    await page.waitForTimeout(100);
    const tappedValue = Number(await page.$eval('#HScroll1', (b) => b.value));
    tally.check(`${size}: a tap on the speed bar's track moves it there`, tappedValue > 150, `value ${tappedValue}`);
    await drag(page, cdp, { x: bar.x + bar.width * 0.9, y }, { x: bar.x - 20, y });
    const draggedValue = Number(await page.$eval('#HScroll1', (b) => b.value));
    const speeds = (await values(page, 'setValue')).map((r) => r.args[1]);
    tally.check(`${size}: a drag moves the speed bar to its end`, draggedValue === 1, `value ${draggedValue}`);
    tally.check(`${size}: … and the core hears it on the way`, speeds.length >= 3 && speeds.at(-1) === 1, speeds.join(' '));

    // ondel10's slide bar, dragged from its middle to its top and back down.
    await open(page, 'ondel10', query);
    const slide = await box(page, 'VScroll1');
    const x = slide.x + slide.width / 2;
    const middle = Number(await page.$eval('#VScroll1', (b) => b.value));
    await drag(page, cdp, { x, y: slide.y + slide.height / 2 }, { x, y: slide.y - 20 });
    const top = Number(await page.$eval('#VScroll1', (b) => b.value));
    await drag(page, cdp, { x, y: slide.y }, { x, y: slide.y + slide.height + 20 });
    const bottom = Number(await page.$eval('#VScroll1', (b) => b.value));
    const slid = (await values(page, 'setValue')).length;
    tally.check(`${size}: a drag moves the slide bar up and down`, top !== middle && bottom !== top && bottom !== middle,
      `values ${middle}, ${top}, ${bottom}`);
    tally.check(`${size}: … and the core hears it`, slid >= 4, `${slid} values`);
    const scrolled = await page.evaluate(() => scrollY);
    tally.check(`${size}: dragging a bar does not scroll the page`, scrolled === 0, `scrolled ${scrolled}`);
  }

  for (const error of errors) tally.check('the page reports no error', false, error);
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
