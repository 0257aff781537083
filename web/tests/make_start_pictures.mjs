// SPDX-License-Identifier: GPL-3.0-or-later
// Makes the start page's small picture of each program from its own
// drawing: the program opened in the browser at 100%, its rows shown and
// its wave set going as a teacher would, stopped after a moment, and the
// window's frame canvas written a third of its size as PROGRAM.png. Run it
// again after a program's drawing changes:
//   node make_start_pictures.mjs SITE_FOLDER web/site/pictures
import { mkdir, writeFile } from 'node:fs/promises';
import { join } from 'node:path';
import { launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';

const [site, out] = process.argv.slice(2);
// A picture is this fraction of the window.
const reduction = 3;
// How long each program runs before it is stopped (ms).
const running = 1500;

const server = await serveFolder(site);
const browser = await launchChromium();
await mkdir(out, { recursive: true });

// Presses the buttons of these captions the program has, in order.
const press = (page, captions) => page.evaluate((wanted) => {
  for (const caption of wanted) [...document.querySelectorAll('#Form1 button')].find((b) => b.textContent === caption)?.click();
}, captions);

// ondel10 makes its pulse with the slide bar: up for a moment, then back.
async function slidePulse(page) {
  const moveTo = (value) => page.$eval('#VScroll1', (bar, v) => {
    bar.value = String(v);
    bar.dispatchEvent(new Event('input'));
  }, value);
  const rest = await page.$eval('#VScroll1', (bar) => Number(bar.value));
  await moveTo(Math.round(rest * 0.6));
  await page.waitForTimeout(running / 5);
  await moveTo(rest);
}

try {
  const page = await browser.context.newPage();
  const names = await page.goto(`${server.url}index.html`)
    .then(() => page.$$eval('.programs a', (as) => as.map((a) => a.getAttribute('href').split('#')[1])));
  for (const name of names) {
    await page.goto(`${server.url}program.html?zoom=100#${name}`);
    await page.waitForSelector('#Form1 #Command1');
    const rowsHidden = await page.evaluate(() => {
      const state = window.ondelPage.program.windowState();
      return !state.transverseShown && !state.longitudinalShown;
    });
    await press(page, rowsHidden ? ['横波', '縦波', '実行/再実行'] : []);
    if (await page.$('#VScroll1')) await slidePulse(page);
    await page.waitForTimeout(running);
    await page.click('#Command3'); // 停止
    await page.waitForTimeout(200);
    const png = await page.evaluate((k) => {
      const frame = document.querySelector('#Form1 canvas.frame');
      const small = document.createElement('canvas');
      small.width = Math.round(frame.width / k);
      small.height = Math.round(frame.height / k);
      small.getContext('2d').drawImage(frame, 0, 0, small.width, small.height);
      return small.toDataURL('image/png').split(',')[1];
    }, reduction);
    await writeFile(join(out, `${name}.png`), Buffer.from(png, 'base64'));
    console.log(`${name}.png`);
  }
} finally {
  await browser.close();
  await server.close();
}
