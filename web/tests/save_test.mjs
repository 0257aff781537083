// SPDX-License-Identifier: GPL-3.0-or-later
// What the teacher keeps for worksheets, as downloads: the pulse drawn in
// ondel10 ("パルスを保存", Ctrl+S), which ondel9 then loads; a picture of
// the window at twice its size ("画像を保存", Ctrl+E); the animation of
// what comes next ("動画を保存", Ctrl+G) as a looping GIF with the core's
// frames; the readings as a table ("データを保存"). Nothing drawn, nothing
// saved, and the teacher is told.
//   node save_test.mjs SITE_FOLDER
import { readFile } from 'node:fs/promises';
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium();

const timeIndex = (page) => page.evaluate(() => window.ondelPage.program.timeIndex());
const messageShown = (page) => page.evaluate(() => {
  const messages = document.getElementById('messages');
  return messages.open ? document.getElementById('message-text').textContent : null;
});

async function openProgram(page, name) {
  await page.goto(`${server.url}program.html#${name}`);
  await page.waitForSelector('#Form1 #Command1');
  await page.waitForFunction(() => window.ondelPage.program.timeIndex() > 10);
}

// Runs the lesson on by `ticks` ticks.
async function runOn(page, ticks) {
  const from = await timeIndex(page);
  await page.waitForFunction((until) => window.ondelPage.program.timeIndex() >= until, from + ticks);
}

// The download that `act` starts: {name, bytes}, or null when none has
// come after `waitMs` (a picture takes seconds on a busy machine; a save
// that must not happen is given a second).
async function downloadOf(page, act, waitMs = 10000) {
  const waiting = page.waitForEvent('download', { timeout: waitMs }).catch(() => null);
  await act();
  const download = await waiting;
  if (!download) return null;
  return { name: download.suggestedFilename(), bytes: await readFile(await download.path()) };
}

// Width and height from a PNG's header.
const pngSize = (bytes) => [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];

// A GIF's frames and whether it loops, read block by block; null where the
// blocks do not add up.
function gifFrames(bytes) {
  const tableSize = (flags) => (flags & 0x80 ? 3 << ((flags & 7) + 1) : 0);
  const skipBlocks = (at) => {
    while (at < bytes.length && bytes[at] !== 0) at += bytes[at] + 1;
    return at + 1;
  };
  if (bytes.subarray(0, 6).toString() !== 'GIF89a') return null;
  let at = 13 + tableSize(bytes[10]);
  let frames = 0;
  let loops = false;
  while (at < bytes.length) {
    const kind = bytes[at];
    if (kind === 0x3b) return { frames, loops, width: bytes.readUInt16LE(6), height: bytes.readUInt16LE(8) };
    if (kind === 0x21) {
      loops ||= bytes[at + 1] === 0xff && bytes.subarray(at + 3, at + 14).toString() === 'NETSCAPE2.0';
      at = skipBlocks(at + 2);
    } else if (kind === 0x2c) {
      frames += 1;
      at = skipBlocks(at + 10 + tableSize(bytes[at + 9]) + 1);
    } else return null;
  }
  return null;
}

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);

  await openProgram(page, 'ondel8');
  await page.keyboard.press('1'); // the transverse row, whose particle the trace follows
  await page.keyboard.press('t'); // the y-t trace, in Picture1
  await runOn(page, 20);
  const image = await downloadOf(page, () => page.keyboard.press('Control+e'));
  tally.check('Ctrl+E downloads ondel8.png', image?.name === 'ondel8.png', image?.name);
  tally.check('the picture is 1584 × 1146, twice the window',
    image && image.bytes.subarray(1, 4).toString() === 'PNG' && pngSize(image.bytes).join('x') === '1584x1146',
    image && pngSize(image.bytes).join('x'));
  const viaButton = await downloadOf(page, () => page.click('#save-image'));
  tally.check('"画像を保存" downloads the same kind of picture', viaButton?.name === 'ondel8.png' &&
    pngSize(viaButton.bytes).join('x') === '1584x1146');

  // Stopped, so that the recording the page makes and the one counted here
  // start at the same moment.
  await page.click('#Command9'); // the pulse, from the start
  await runOn(page, 30);
  await page.keyboard.press('PageDown');
  const movie = await downloadOf(page, () => page.keyboard.press('Control+g'), 120000);
  const expected = await page.evaluate(() => {
    const { program } = window.ondelPage;
    program.startRecording();
    let frames = 0;
    while (program.nextRecorded()) frames += 1;
    return frames;
  });
  const gif = movie && gifFrames(movie.bytes);
  tally.check('Ctrl+G downloads ondel8.gif', movie?.name === 'ondel8.gif', movie?.name);
  tally.check('a looping GIF of the window, the core\'s frames of the crossing, under 5 MB',
    gif?.loops && gif.frames === expected && expected > 1 && gif.width === 792 && gif.height === 573 &&
    movie.bytes.length < 5 * 1024 * 1024, JSON.stringify({ gif, expected, bytes: movie?.bytes.length }));
  tally.check('no progress bar is left', (await page.$('.movie-progress')) === null);
  await page.keyboard.press('PageUp');

  const data = await downloadOf(page, () => page.click('#save-data'));
  const lines = data?.bytes.toString('utf8').split('\n') ?? [];
  tally.check('"データを保存" downloads ondel8_data.csv', data?.name === 'ondel8_data.csv', data?.name);
  const dataByKey = await downloadOf(page, () => page.keyboard.press('F2'));
  tally.check('F2 downloads the same table', dataByKey?.name === 'ondel8_data.csv', dataByKey?.name);
  tally.check('the table has its header and a row per particle and trace point',
    lines[0] === '\uFEFF時刻（コマ）,粒子,横波の変位（粒子間隔）,縦波の変位（粒子間隔）,y-t線の時刻（コマ）,y-t線の変位（粒子間隔）' && lines.length >= 1 + 15 + 1 &&
    /^\d+,1,[-0-9.]+,[-0-9.]+,\d+,[-0-9.]+$/.test(lines[1]), JSON.stringify(lines.slice(0, 2)) + ' ' + data?.bytes.subarray(0, 4).toString('hex'));

  tally.check('ondel8 offers no "パルスを保存"', !(await page.isVisible('#save-pulse')));
  tally.check('Ctrl+S saves nothing in ondel8', (await downloadOf(page, () => page.keyboard.press('Control+s'), 1000)) === null);

  await openProgram(page, 'ondel10');
  tally.check('ondel10 offers "パルスを保存"', await page.isVisible('#save-pulse'));
  const nothing = await downloadOf(page, () => page.keyboard.press('Control+s'), 1000);
  const told = await messageShown(page);
  tally.check('with nothing drawn, Ctrl+S downloads nothing and says so',
    nothing === null && told?.includes('保存するパルスがありません'), told ?? 'no message');
  await page.click('#messages button');

  const moveBar = (value) => page.$eval('#VScroll1', (bar, v) => {
    bar.value = v;
    bar.dispatchEvent(new Event('input'));
  }, value);
  await moveBar(98);
  await runOn(page, 40);
  await moveBar(128);
  await runOn(page, 10);
  const pulse = await downloadOf(page, () => page.keyboard.press('Control+s'));
  const records = pulse?.bytes.toString('utf8').trimEnd().split('\n') ?? [];
  const firstDrawn = records.findIndex((line) => line !== '0,0') + 1;
  tally.check('Ctrl+S downloads pulse_drawn.csv', pulse?.name === 'pulse_drawn.csv', pulse?.name);
  tally.check('it holds 3200 records, the drawing from record 320', records.length === 3200 && firstDrawn === 320 &&
    records[319] === '0.328125,0', `${records.length} records, first drawn ${firstDrawn}: ${records[319]}`);
  tally.check('no message after a drawing that fits', (await messageShown(page)) === null);

  await openProgram(page, 'ondel9');
  await page.setInputFiles('#file-input', { name: 'pulse_drawn.csv', mimeType: 'text/csv', buffer: pulse.bytes });
  await page.waitForTimeout(150);
  tally.check('ondel9 loads the drawn pulse', (await page.inputValue('#Text1')) === 'pulse_drawn' &&
    (await messageShown(page)) === null && (await timeIndex(page)) < 100);

  for (const error of errors) tally.check('the page reports no error', false, error);
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
