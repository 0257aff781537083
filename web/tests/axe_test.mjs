// SPDX-License-Identifier: GPL-3.0-or-later
// axe-core's WCAG 2.1 A and AA rules on the start page and on every
// program, as it opens, once its rows move and the y-t trace shows, and
// with its help open: every control is named, every canvas described.
//   node axe_test.mjs SITE_FOLDER
import { createRequire } from 'node:module';
import { readFile } from 'node:fs/promises';
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium();
const axeSource = await readFile(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const rules = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa'];

// Each violation as "rule: where".
async function violations(page) {
  await page.addScriptTag({ content: axeSource });
  const found = await page.evaluate((tags) => window.axe.run(document, { runOnly: { type: 'tag', values: tags } })
    .then((results) => results.violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`)), rules);
  return found;
}

async function check(page, name) {
  const found = await violations(page);
  tally.check(`${name}: no WCAG 2.1 A/AA violation`, found.length === 0, found.join('; '));
}

// Both rows, the pulse loaded and the trace on, where the program has each.
async function startTheWave(page) {
  await page.evaluate(() => {
    for (const caption of ['横波', '縦波', '実行/再実行', 'y-t線']) {
      [...document.querySelectorAll('#Form1 button')].find((b) => b.textContent === caption)?.click();
    }
  });
  await page.waitForTimeout(300);
}

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  await page.goto(`${server.url}index.html`);
  await check(page, 'the start page');
  const links = await page.$$eval('.programs a', (as) => as.map((a) => a.getAttribute('href')));
  for (const link of links) {
    const name = link.split('#')[1];
    await page.goto(`${server.url}${link}`);
    await page.waitForSelector('#Form1 #Command1');
    await check(page, `${name} as it opens`);
    await startTheWave(page);
    await check(page, `${name} with its wave started`);
  }
  await page.click('#help-button');
  await check(page, 'the help');
  for (const error of errors) tally.check('the pages report no error', false, error);
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
