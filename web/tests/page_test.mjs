// SPDX-License-Identifier: GPL-3.0-or-later
// The site as a teacher meets it, served over http: the start page links
// the nine programs; each program's controls stand where its layout puts
// them, and 横波 shows the particles on the canvas; the canvas painter
// keeps its promises; a file that cannot be read is reported.
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

// Every control whose box is not its layout rectangle (in CSS pixels from
// Form1's corner, within half a pixel), as text.
function misplacedControls(name) {
  return OndelCore().then((core) => {
    const opened = core.openProgram(name);
    const { controls } = opened.layout();
    opened.delete();
    const form1 = document.getElementById('Form1').getBoundingClientRect();
    const frames = new Map(controls.map((c) => [c.name, c.rect]));
    const wrong = [];
    for (const c of controls) {
      const element = document.getElementById(c.name);
      if (!element) {
        wrong.push(`${c.name} missing`);
        continue;
      }
      const hidden = element.hidden;
      element.hidden = false;
      const box = element.getBoundingClientRect();
      element.hidden = hidden;
      const frame = c.frame ? frames.get(c.frame) : { left: 0, top: 0 };
      const want = [frame.left + c.rect.left, frame.top + c.rect.top, c.rect.width, c.rect.height].map((t) => t / 15);
      const got = [box.left - form1.left, box.top - form1.top, box.width, box.height];
      if (got.some((v, k) => Math.abs(v - want[k]) > 0.5)) wrong.push(`${c.name} at ${got} instead of ${want}`);
    }
    return { count: controls.length, wrong };
  });
}

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
  ];
  return rows.map(([name, ops, x, y, expected]) => {
    for (const o of ops) painter.replay(o);
    const got = pixel(x, y);
    return [`${name}${antialiased ? '' : ' (hard edges)'}`, got === expected,
      `${got.toString(16)} (expected ${expected.toString(16)})`];
  });
}

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  await page.goto(`${server.url}index.html`);
  const links = await page.$$eval('.programs a', (as) => as.map((a) => a.getAttribute('href')));
  tally.check('the start page links nine programs', links.length === 9, links.join(' '));

  for (const link of links) {
    const name = link.split('#')[1];
    await page.goto(`${server.url}${link}`);
    await page.waitForSelector('#Form1 #Command1');
    const { count, wrong } = await page.evaluate(misplacedControls, name);
    tally.check(`${name}: its ${count} controls stand at their places`, count > 0 && wrong.length === 0, wrong.join('; '));
    const clipped = await page.$$eval('#Form1 input[type="text"]', (boxes) =>
      boxes.filter((box) => box.scrollWidth > box.clientWidth).map((box) => `${box.id} "${box.value}"`));
    tally.check(`${name}: its text boxes show their whole text`, clipped.length === 0, clipped.join(', '));
    const before = await greenAfterClick(page, null);
    const after = await greenAfterClick(page, 'Command1');
    // The standing-wave programs open with the row shown: 横波 hides it, and again shows it.
    const again = before > 200 ? await greenAfterClick(page, 'Command1') : after;
    const shown = (before < 20 && after > 200) || (before > 200 && after < 20 && again > 200);
    tally.check(`${name}: 横波 shows the particles`, shown, `green pixels ${before}, ${after}, ${again}`);
  }

  await page.goto(`${server.url}program.html#ondel8`);
  await page.waitForSelector('#Form1 #Command1');
  await page.addScriptTag({ path: join(site, 'tests', 'drawing.js') });
  for (const antialiased of [true, false]) {
    for (const [name, ok, detail] of await page.evaluate(runPainterRows, antialiased)) {
      tally.check(`painter: ${name}`, ok, detail);
    }
  }

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

  await page.goto(`${server.url}program.html#ondel99`);
  const status = await page.waitForSelector('#status:not([hidden])').then((s) => s.textContent());
  tally.check('an unknown program is named', status.includes('ondel99'), status);

  for (const error of errors) tally.check('the pages report no error', false, error);
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
