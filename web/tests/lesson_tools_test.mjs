// SPDX-License-Identifier: GPL-3.0-or-later
// The lesson tools in the browser: the bar offers "ストロボ" and "注釈" and
// the desktop menu's choices of the strobe's count and spacing; each entry
// reaches the core and the next frame shows it; the keys S and A do the
// same and the bar follows them. 計測's button and key show the ruler and
// the stopwatch, and a drag on the drawing moves them.
//   node lesson_tools_test.mjs SITE_FOLDER
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium();

// The tools as the core and the bar show them, and what the last frame drew:
// its particles (circles of radius 300) and its texts.
const look = (page) => page.evaluate(() => {
  const { program } = window.ondelPage;
  const { numbers: n, texts } = program.frame();
  let particles = 0;
  const sizes = [1, 2, 6, 6, 4]; // clear, width, line, circle, text
  for (let i = 0; i < n.length; i += sizes[n[i]]) if (n[i] === 3 && n[i + 3] === 300) particles += 1;
  const option = (id) => [...document.getElementById(id).options].map((o) => o.textContent);
  return {
    tools: program.lessonTools(),
    particles,
    texts,
    strobePressed: document.getElementById('strobe-button').getAttribute('aria-pressed'),
    annotationsPressed: document.getElementById('annotations-button').getAttribute('aria-pressed'),
    count: document.getElementById('strobe-count').value,
    spacing: document.getElementById('strobe-spacing').value,
    counts: option('strobe-count'),
    spacings: option('strobe-spacing'),
    buttons: [...document.querySelectorAll('#lesson-tools button')].map((b) => b.textContent),
  };
});

// Ticks of the core's own clock, so that the next frame shows the change.
const settle = (page) => page.evaluate(() => window.ondelPage.program.tick(1));

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  await page.goto(`${server.url}program.html#ondel3a`);
  await page.waitForSelector('#Form1 #Command1');
  await page.waitForFunction(() => window.ondelPage.program.timeIndex() > 30);
  // Stopped, so that only the test moves time.
  await page.keyboard.press('PageDown');

  let now = await look(page);
  tally.check('the bar offers both tools, off', now.buttons.join() === 'ストロボ,注釈' &&
    now.strobePressed === 'false' && now.annotationsPressed === 'false', JSON.stringify(now.buttons));
  tally.check('the count choices are the desktop menu\'s', now.counts.join() === '2枚,3枚,4枚,6枚,8枚', now.counts.join());
  tally.check('the spacing choices are the desktop menu\'s (an eighth of the period among them)',
    now.spacings.join() === '1コマ,3コマ,6コマ,12コマ' && now.spacing === '3', `${now.spacings.join()} ${now.spacing}`);
  tally.check('off, the frame has the 15 particles and no text', now.particles === 15 && now.texts.length === 0,
    `${now.particles} ${now.texts}`);

  await page.click('#strobe-button');
  await settle(page);
  now = await look(page);
  tally.check('ストロボ draws four exposures under the row', now.tools.strobe && now.strobePressed === 'true' &&
    now.particles === 15 * 5, `${now.particles}`);

  await page.selectOption('#strobe-count', '6');
  await page.selectOption('#strobe-spacing', '6');
  await settle(page);
  now = await look(page);
  tally.check('the count and spacing choices reach the core', now.tools.strobeCount === 6 &&
    now.tools.strobeSpacing === 6 && now.particles === 15 * 7, JSON.stringify(now.tools));

  await page.click('#annotations-button');
  await settle(page);
  now = await look(page);
  tally.check('注釈 labels the crests and troughs', now.tools.annotations && now.annotationsPressed === 'true' &&
    now.texts.includes('山') && now.texts.includes('谷'), now.texts.join(''));

  await page.keyboard.press('s');
  await page.keyboard.press('a');
  await settle(page);
  now = await look(page);
  tally.check('S and A turn both off and the bar follows', !now.tools.strobe && !now.tools.annotations &&
    now.strobePressed === 'false' && now.annotationsPressed === 'false' && now.particles === 15 &&
    now.texts.length === 0, JSON.stringify(now.tools));

  // The standing wave's nodes and antinodes, as in the desktop's pictures.
  await page.click('#Command6');
  await page.keyboard.press('a');
  await settle(page);
  now = await look(page);
  const words = now.texts.join('');
  tally.check('the standing wave shows three 節 and four 腹',
    words.split('節').length - 1 === 3 && words.split('腹').length - 1 === 4, words);

  // 計測: its button shows the core's tools and keeps a finger on the drawing
  // from scrolling the page; a drag of the ruler's marker on the canvas
  // reaches the core, which reads it to a tenth of a spacing; M hides it.
  const measureLook = () => page.evaluate(() => ({
    caption: document.getElementById('measure-button').textContent,
    touch: document.querySelector('canvas.frame').style.touchAction,
  }));
  await page.click('#measure-button');
  await settle(page);
  now = await look(page);
  let measuring = await measureLook();
  tally.check('計測 draws the stopwatch and what a tick means, and its button says how to end it',
    now.texts.includes('0コマ') && now.texts.includes('1コマ: 波が粒子の間隔の1/3進む') &&
    measuring.caption === '計測を終える' && measuring.touch === 'none', `${now.texts.join(' ')} ${JSON.stringify(measuring)}`);
  const box = await page.locator('canvas.frame').boundingBox();
  const at = (x, y) => [box.x + (x * box.width) / 15240, box.y + (y * box.height) / 6360]; // ondel3a's window in twips
  await page.mouse.move(...at(3200, 2450)); // the marker's handle, two spacings along the ruler
  await page.mouse.down();
  await page.mouse.move(...at(4730, 2450), { steps: 4 });
  await page.mouse.up();
  now = await look(page);
  tally.check('a drag of the marker reads 3.5 spacings at once', now.texts.includes('3.5'), now.texts.join(' '));
  await page.keyboard.press('m');
  await settle(page);
  now = await look(page);
  measuring = await measureLook();
  tally.check('M hides 計測 and gives the page its scrolling back', !now.texts.includes('0コマ') &&
    measuring.caption === '計測' && measuring.touch === '', `${now.texts.join(' ')} ${JSON.stringify(measuring)}`);

  for (const error of errors) tally.check('the page reports no error', false, error);
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
