// SPDX-License-Identifier: GPL-3.0-or-later
// The site without a network: served once, it opens and animates again
// after the network and the server are gone; opened from file:// it needs
// neither. No page asks for anything outside its own folder.
//   node offline_test.mjs SITE_FOLDER
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium();
const requested = [];
browser.context.on('request', (request) => requested.push(request.url()));

// Whether 実行/再実行 loads the pulse file named in Text1 without a word
// of complaint.
async function loadsItsPulses(page) {
  await page.evaluate(() => [...document.querySelectorAll('#Form1 button')]
    .find((b) => b.textContent === '実行/再実行').click());
  return page.evaluate(() => !document.getElementById('messages').open);
}

// Whether a page loaded a file whose path ends in each of `ends` (its
// scripts, and what it fetched: file:// gives no resource timing).
function loadedEach(page, ends) {
  return page.evaluate((ends) => {
    const paths = [...performance.getEntriesByType('resource').map((entry) => entry.name),
      ...[...document.scripts].filter((script) => script.src).map((script) => script.src)]
      .map((url) => new URL(url).pathname);
    return ends.map((end) => paths.some((path) => path.endsWith(end)));
  }, ends);
}
const coreFiles = ['/ondel_core_streamed.wasm', '/data/pulse160a.csv', '/ondel_core.js'];

// Whether the program opens and its clock moves on.
async function animates(page) {
  await page.waitForSelector('#Form1 #Command1', { timeout: 10000 });
  const first = await page.evaluate(() => window.ondelPage.program.timeIndex());
  return page.waitForFunction((t) => window.ondelPage.program.timeIndex() > t + 10, first, { timeout: 5000 })
    .then(() => true, () => false);
}

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  await page.goto(`${server.url}index.html`);
  await page.goto(`${server.url}program.html#ondel8`);
  await page.evaluate(() => navigator.serviceWorker.ready);
  tally.check('served, a program opens and animates', await animates(page));
  const served = await loadedEach(page, coreFiles);
  tally.check('served, the core streams in beside its .wasm, the pulse files as files of their own',
    served.join() === 'true,true,false', served.join());
  tally.check('served, a shipped pulse file loads by its name', await loadsItsPulses(page));

  // A server that sends the .wasm as any file and the pulse files slowly:
  // the core is compiled whole instead, and 実行/再実行 pressed before the
  // shipped files came loads them once they have, without a complaint.
  const careless = await serveFolder(site, { types: { '.wasm': 'application/octet-stream' }, delays: { '/data/': 1500 } });
  const slow = await browser.context.newPage();
  const slowErrors = collectPageErrors(slow);
  await slow.goto(`${careless.url}program.html#ondel8`);
  await slow.waitForSelector('#Form1 #Command1', { timeout: 10000 });
  await slow.evaluate(() => [...document.querySelectorAll('#Form1 button')]
    .find((b) => b.textContent === '実行/再実行').click());
  const cameLate = await slow.waitForFunction(() => performance.getEntriesByType('resource')
    .filter((entry) => entry.name.includes('/data/') && entry.responseEnd > 0).length === 3, null, { timeout: 10000 })
    .then(() => slow.waitForTimeout(200)).then(() => slow.evaluate(() => !document.getElementById('messages').open));
  tally.check('a .wasm sent as any file, shipped files slow: the program opens and loads its pulse file', cameLate);
  await slow.close();
  await careless.close();

  await browser.context.setOffline(true);
  await server.close();
  await page.reload();
  tally.check('after the network is gone, the program opens and animates again', await animates(page));
  tally.check('and loads its pulse file by name', await loadsItsPulses(page));
  await page.goto(`${server.url}index.html`);
  const links = await page.$$eval('.programs a', (as) => as.length);
  tally.check('and so does the start page', links === 9, `${links} programs`);

  const fromDisk = await browser.context.newPage();
  const diskErrors = collectPageErrors(fromDisk);
  await fromDisk.goto(pathToFileURL(join(site, 'program.html')).href + '#ondel9');
  tally.check('from file://, offline, a program opens and animates', await animates(fromDisk));
  tally.check('and loads its pulse file by name from the one script', await loadsItsPulses(fromDisk));
  const fromFiles = await loadedEach(fromDisk, coreFiles);
  tally.check('from file://, the one script and nothing else of the core', fromFiles.join() === 'false,false,true',
    fromFiles.join());

  const outside = requested.filter((url) => !url.startsWith(server.url) && !url.startsWith(careless.url) &&
    !url.startsWith('file://') &&
    !url.startsWith('data:'));
  tally.check(`all ${requested.length} requests stay in the site's folder`, outside.length === 0, outside.join(' '));
  for (const error of [...errors, ...diskErrors, ...slowErrors]) tally.check('the pages report no error', false, error);
} finally {
  await browser.close();
}
tally.finish();
