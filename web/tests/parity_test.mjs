// SPDX-License-Identifier: GPL-3.0-or-later
// The nine recorded sessions, and the lesson tools' own, replayed on the core compiled for the browser,
// opened from file:// as a teacher would open the site: every hash must
// equal the desktop's, which are read from the desktop's own test.
//   node parity_test.mjs SITE_FOLDER FRAME_RECORDER_TEST_CPP
import { readFile } from 'node:fs/promises';
import { pathToFileURL } from 'node:url';
import { join } from 'node:path';
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { Tally } from './tally.mjs';

const [site, desktopTest] = process.argv.slice(2);
const desktop = new Map(
  [...(await readFile(desktopTest, 'utf8')).matchAll(/\{"(\w+)", "([0-9a-f]{16})"\}/g)].map((m) => [m[1], m[2]]),
);

const tally = new Tally();
const browser = await launchChromium();
try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  await page.goto(pathToFileURL(join(site, 'tests', 'parity.html')).href);
  const results = await page.waitForFunction(() => window.parityResults, null, { timeout: 120000 })
    .then((handle) => handle.jsonValue());
  if (desktop.size !== 9) throw new Error(`${desktopTest} names ${desktop.size} hashes, not nine`);
  for (const [name, expected] of desktop) {
    const result = results.find((r) => r.name === name);
    tally.check(name, result?.hash === expected,
      `${result ? result.hash ?? result.error : 'not replayed'} (desktop ${expected})` +
      (result ? `, ${result.milliseconds} ms` : ''));
  }
  // The lesson tools' recorded lessons, each with its hash in the desktop's test.
  const lessons = [...(await readFile(desktopTest, 'utf8'))
    .matchAll(/\{"\w+", "(lessons\/\w+)", "([0-9a-f]{16})"\}/g)].map((m) => [m[1], m[2]]);
  for (const [name, expected] of lessons) {
    const result = results.find((r) => r.name === name);
    tally.check(name, result?.hash === expected, `${result ? result.hash ?? result.error : 'not replayed'} (desktop ${expected})`);
  }
  for (const error of errors) tally.check('the page reports no error', false, error);
} finally {
  await browser.close();
}
tally.finish();
