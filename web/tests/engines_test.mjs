// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition in one engine (chromium, firefox or webkit), with the
// same checks in each: every page builds its form with no script error, its
// controls at their places and its text boxes showing their whole text in
// the form's own font, at 100% and fitted to the window; the wave starts with real clicks and animates; Page
// Down stops and steps it, Page Up resumes it; a pulse file loads through
// the file input; from file:// the program opens, animates and has its font.
//   node engines_test.mjs ENGINE SITE_FOLDER
import { spawnSync } from 'node:child_process';
import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { launchEngine, waitInPage } from './engines.mjs';
import { clippedTextBoxes, formFontStatus, frameState, misplacedControls, shownText } from './form_checks.mjs';
import { greenPixels } from './frame_pixels.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [engine, site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site, { recordErrors: true });
const scratch = await mkdtemp(join(tmpdir(), `ondel-${engine}-`));
const started = Date.now();
const tab = await launchEngine(engine);
console.log(`${engine} started in ${((Date.now() - started) / 1000).toFixed(1)} s`);

// A classroom projector's window: the form fitted to it is larger than at 100%.
const windowWidth = 1600;
const windowHeight = 1000;
const pause = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const formBuilt = () => document.querySelector('#Form1 #Command1') !== null && window.ondelPage !== undefined;
const pageErrors = () => window.pageErrors ?? ['the error recorder is missing'];
const time = () => window.ondelPage.program.timeIndex();

async function open(url) {
  await tab.goto(url);
  await waitInPage(tab, formBuilt, undefined, 20000, url);
}

// The form's checks of one program shown at `size`: [name, ok, detail].
async function formChecks(name, size) {
  const { count, scale, wrong } = await tab.evaluate(misplacedControls, name);
  const clipped = await tab.evaluate(clippedTextBoxes);
  const font = await tab.evaluate(formFontStatus);
  const errors = await tab.evaluate(pageErrors);
  const at = `${name} ${size} (scale ${scale.toFixed(3)})`;
  return [
    [`${at}: the page builds its form with no error`, errors.length === 0, errors.join('; ')],
    [`${at}: its ${count} controls stand at their places`, count > 0 && wrong.length === 0, wrong.join('; ')],
    [`${at}: its text boxes show their whole text`, clipped.length === 0, clipped.join('; ')],
    [`${at}: the form's own font is loaded`, font === 'loaded', font],
  ];
}

// The characters of `text` that the form's own font has no glyph for
// (read with fonttools, as the font is made with it).
function missingGlyphs(text) {
  const lookup = 'import sys; from fontTools.ttLib import TTFont; cmap = TTFont(sys.argv[1]).getBestCmap(); ' +
    'print("".join(sorted({c for c in sys.stdin.read() if ord(c) not in cmap and not c.isspace()})))';
  const result = spawnSync('/usr/bin/python3', ['-c', lookup, join(site, 'fonts', 'ondel_p_gothic.woff2')],
    { input: text, encoding: 'utf8' });
  return result.status === 0 ? result.stdout.trim() : `fonttools failed: ${result.stderr}`;
}
const shown = [];

// [how the form is shown, the address's query].
const sizes = [['at 100%', '?zoom=100'], ['fitted', '']];

try {
  await tab.goto(`${server.url}index.html`);
  const links = await tab.evaluate(() => [...document.querySelectorAll('.programs a')].map((a) => a.getAttribute('href')));
  tally.check('the start page links nine programs', links.length === 9, links.join(' '));
  tally.check('the start page reports no error', (await tab.evaluate(pageErrors)).length === 0);
  shown.push(await tab.evaluate(() => document.body.innerText));

  await tab.resize(windowWidth, windowHeight);
  for (const link of links) {
    const name = link.split('#')[1];
    // Each address differs from the last in its query, so each loads anew.
    for (const [size, query] of sizes) {
      await open(`${server.url}${link.replace('#', `${query}#`)}`);
      for (const [check, ok, detail] of await formChecks(name, size)) tally.check(check, ok, detail);
    }
    shown.push(await tab.evaluate(shownText));
  }

  const missing = missingGlyphs(shown.join('\n'));
  tally.check('the form\'s own font has every character the pages and their help show', missing === '', missing);

  await tab.goto(`${server.url}index.html`);
  await open(`${server.url}program.html#ondel8`);
  await tab.click('#Command1'); // 横波
  await tab.click('#Command9'); // 実行/再実行
  const first = { ...(await tab.evaluate(frameState)), green: await tab.evaluate(greenPixels) };
  // Long enough for the pulse to have reached the particles.
  await waitInPage(tab, (t) => window.ondelPage.program.timeIndex() > t + 150, first.time, 10000, 'the clock')
    .catch(() => {});
  const later = await tab.evaluate(frameState);
  tally.check('横波 and 実行/再実行, clicked, start the wave', first.green > 200 && first.time < 100,
    `${first.green} green pixels at tick ${first.time}`);
  tally.check('the wave animates', later.time > first.time && later.hash !== first.hash,
    `tick ${first.time} → ${later.time}`);

  await tab.press('PageDown');
  const stopped = await tab.evaluate(time);
  await pause(300);
  const still = await tab.evaluate(time);
  tally.check('Page Down stops the wave', still === stopped, `tick ${stopped} → ${still}`);
  await tab.press('PageDown');
  await pause(100);
  const stepped = await tab.evaluate(time);
  tally.check('Page Down, stopped, steps one tick', stepped === still + 1, `tick ${still} → ${stepped}`);
  await tab.press('PageUp');
  await pause(300);
  const resumed = await tab.evaluate(time);
  tally.check('Page Up resumes', resumed > stepped + 5, `tick ${stepped} → ${resumed}`);

  const pulse = join(scratch, 'engine_pulse.csv');
  await writeFile(pulse, Array.from({ length: 120 }, (_, k) => `${Math.sin(k / 19).toFixed(3)},0`).join('\n'));
  await pause(300);
  const before = await tab.evaluate(time);
  await tab.chooseFile('#file-input', pulse);
  await waitInPage(tab, () => document.getElementById('Text1').value === 'engine_pulse', undefined, 5000, 'the file')
    .catch(() => {});
  const loaded = await tab.evaluate(() => ({
    name: document.getElementById('Text1').value,
    time: window.ondelPage.program.timeIndex(),
    message: document.getElementById('messages').open ? document.getElementById('message-text').textContent : null,
  }));
  tally.check('a pulse file loads through the file input', loaded.name === 'engine_pulse' && loaded.time < before &&
    loaded.message === null, `Text1 ${loaded.name}, tick ${before} → ${loaded.time}, message ${loaded.message}`);
  const errors = await tab.evaluate(pageErrors);
  tally.check('ondel8 reports no error', errors.length === 0, errors.join('; '));

  await tab.goto(`${pathToFileURL(join(site, 'program.html')).href}#ondel9`);
  await waitInPage(tab, formBuilt, undefined, 20000, 'ondel9 from file://');
  const atStart = await tab.evaluate(time);
  await pause(500);
  tally.check('from file://, a program opens and animates', (await tab.evaluate(time)) > atStart);
  const font = await tab.evaluate(formFontStatus);
  tally.check('from file://, the form\'s own font is loaded', font === 'loaded', font);
} catch (error) {
  tally.check(`${engine} runs the pages`, false, error.stack ?? String(error));
} finally {
  await tab.close();
  await server.close();
  await rm(scratch, { recursive: true, force: true });
}
console.log(`${engine}: ${((Date.now() - started) / 1000).toFixed(1)} s in all`);
tally.finish();
