// SPDX-License-Identifier: GPL-3.0-or-later
// A teacher's own pulse file in the browser: chosen with "ファイルを開く",
// with Ctrl+O or dropped, it loads as "実行/再実行" loads a typed name; a
// refused one changes nothing, and its message waits in a dialog while the
// lesson runs on. Also the bar's help and full screen.
//   node file_test.mjs SITE_FOLDER
import { mkdtemp, rm, writeFile } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium();
const scratch = await mkdtemp(join(tmpdir(), 'ondel-files-'));

const pulseLines = (count) => Array.from({ length: count }, (_, k) => `${Math.sin(k / 9).toFixed(3)},0.25`).join('\n');

// [row, file name, contents, what its message says]. A 50 MB file goes by
// path, as a teacher's would.
const bigFile = join(scratch, 'huge.csv');
await writeFile(bigFile, Buffer.alloc(50 * 1024 * 1024, '0'));
const refusedRows = [
  ['a binary file', 'picture.csv', Buffer.from([0x89, 0x50, 0x4e, 0x47, 0, 1, 2, 0xff, 0xfe, 10]), 'テキストではありません'],
  ['a UTF-16 file', 'utf16.csv', Buffer.from('\ufeff0.5,0.25\n', 'utf16le'), 'UTF-8 か ASCII のテキストではありません'],
  ['an empty file', 'empty.csv', Buffer.alloc(0), 'データがありません'],
  ['blank lines only', 'blank.csv', Buffer.from('\n \r\n'), 'データがありません'],
  ['3201 records', 'long.csv', Buffer.from(pulseLines(3201)), 'データは 3200 組までです'],
  ['a NaN', 'nan.csv', Buffer.from('0.5,0.5\nNaN,0.25\n'), '2 行目'],
  ['a 50 MB file', 'huge.csv', bigFile, '大きすぎます'],
];

// The clock, the name box, the message shown and a hash of the window's canvas.
const state = (page) => page.evaluate(() => {
  const canvas = document.querySelector('#Form1 canvas.frame');
  const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  let hash = 0;
  for (let i = 0; i < data.length; i += 7) hash = (hash * 31 + data[i]) >>> 0;
  const messages = document.getElementById('messages');
  return {
    time: window.ondelPage.program.timeIndex(),
    name: document.getElementById('Text1')?.value,
    dialog: messages.open ? document.getElementById('message-text').textContent : null,
    canvas: hash,
  };
});

// Lets the lesson run on to at least tick 100, so that a restart shows.
const runOn = (page) => page.waitForFunction(() => window.ondelPage.program.timeIndex() >= 100);

async function openProgram(page, name) {
  await page.goto(`${server.url}program.html#${name}`);
  await page.waitForSelector('#Form1 #Command1');
  await runOn(page);
}

// Hands `file` ({name, contents} or a path) to the page the way `how` says.
async function choose(page, how, name, contents) {
  const files = typeof contents === 'string' ? contents : { name, mimeType: 'text/csv', buffer: contents };
  if (how === 'button') {
    await page.setInputFiles('#file-input', files);
  } else if (how === 'Ctrl+O') {
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.keyboard.press('Control+o')]);
    await chooser.setFiles(files);
  } else {
    await page.evaluate(([fileName, bytes]) => {
      const transfer = new DataTransfer();
      transfer.items.add(new File([new Uint8Array(bytes)], fileName));
      document.getElementById('Form1').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
    }, [name, [...contents]]);
  }
  await page.waitForTimeout(150);
}

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  // Intercepting file choosers from the start: turned on only when the
  // first wait begins, it may come after the key that opens one.
  page.on('filechooser', () => {});
  await openProgram(page, 'ondel8');
  tally.check('ondel8 offers "ファイルを開く"', await page.isVisible('#open-file'));

  const loadRows = [
    ['the bar\'s button', 'button', 'my_pulse.csv', Buffer.from(pulseLines(160)), 'my_pulse'],
    ['Ctrl+O', 'Ctrl+O', 'other.csv', Buffer.from(pulseLines(40)), 'other'],
    ['a drop on the window', 'drop', 'dropped.csv', Buffer.from(pulseLines(80)), 'dropped'],
  ];
  for (const [row, how, name, contents, shown] of loadRows) {
    await runOn(page);
    const before = await state(page);
    await choose(page, how, name, contents);
    const after = await state(page);
    tally.check(`a file chosen with ${row} loads`, after.name === shown && after.time < before.time - 50 &&
      after.dialog === null && after.canvas !== before.canvas,
    `Text1 ${after.name}, time ${before.time} → ${after.time}, message ${after.dialog}`);
  }

  for (const [row, name, contents, says] of refusedRows) {
    const before = await state(page);
    await choose(page, 'button', name, contents);
    const shown = await state(page);
    await page.waitForTimeout(300);
    const later = await state(page);
    tally.check(`${row} is refused in the page's dialog`, shown.dialog?.includes(name) && shown.dialog.includes(says),
      shown.dialog ?? 'no message');
    tally.check(`${row} changes nothing`, shown.name === before.name && shown.time > before.time,
      `Text1 ${before.name} → ${shown.name}, time ${before.time} → ${shown.time}`);
    tally.check(`${row}: the lesson runs on under its message`, later.time > shown.time && later.dialog !== null,
      `time ${shown.time} → ${later.time}`);
    await page.click('#messages button');
  }

  await runOn(page);
  await page.fill('#Text1', 'dou160');
  const beforeByName = await state(page);
  await page.click('#Command9');
  const byName = await state(page);
  tally.check('"実行/再実行" still loads a bundled file by its name', byName.time < beforeByName.time &&
    byName.dialog === null, `time ${beforeByName.time} → ${byName.time}, message ${byName.dialog}`);

  // The program pages know only the shipped data by name, not the test suite's files.
  for (const name of ['too_many', 'binary', 'not_a_number', 'empty', 'short', 'infinite']) {
    await page.fill('#Text1', name);
    await page.click('#Command9');
    const typed = await state(page);
    tally.check(`"${name}" typed is not found`, typed.dialog?.includes('見つかりません'), typed.dialog ?? 'no message');
    await page.click('#messages button');
  }

  // "実行/再実行" after a choice reruns the chosen file: a pulse160a of the
  // teacher's own (all at rest), not the shipped one, and a name found nowhere else.
  for (const [name, contents] of [['pulse160a.csv', '0,0\n'.repeat(3200)], ['mine.csv', pulseLines(160)]]) {
    await choose(page, 'button', name, Buffer.from(contents));
    await runOn(page);
    await page.click('#Command9');
    const rerun = await state(page);
    await runOn(page);
    const later = await state(page);
    tally.check(`"実行/再実行" reruns the chosen ${name}`, rerun.dialog === null && rerun.time < 50 &&
      rerun.name === name.replace('.csv', ''), `time ${rerun.time}, message ${rerun.dialog}`);
    if (name === 'pulse160a.csv')
      tally.check('the rerun pulse160a is the chosen one, at rest', later.canvas === rerun.canvas);
  }

  await page.click('#help-button');
  const help = await page.$eval('#help', (dialog) => (dialog.open ? dialog.textContent : ''));
  tally.check('help names the program and its controls', help.includes('ondel8') && help.includes('実行/再実行'), help);
  await page.click('#help button');

  await page.click('#full-screen-button');
  const full = await page.waitForFunction(() => document.fullscreenElement?.id).then((h) => h.jsonValue());
  tally.check('full screen shows the bar and Form1', full === 'program', full);
  await page.click('#full-screen-button');
  tally.check('the same button leaves full screen', await page.waitForFunction(() => !document.fullscreenElement)
    .then(() => true, () => false));

  // A program without a file to load: no button, and Ctrl+O and a drop do nothing.
  await openProgram(page, 'ondel10');
  tally.check('ondel10 offers no "ファイルを開く"', !(await page.isVisible('#open-file')));
  const beforeDrop = await state(page);
  await choose(page, 'drop', 'my_pulse.csv', Buffer.from(pulseLines(160)));
  const afterDrop = await state(page);
  tally.check('ondel10 ignores a dropped file', afterDrop.time > beforeDrop.time && afterDrop.dialog === null &&
    page.url().endsWith('#ondel10'), `time ${beforeDrop.time} → ${afterDrop.time}`);

  for (const error of errors) tally.check('the page reports no error', false, error);
} finally {
  await browser.close();
  await server.close();
  await rm(scratch, { recursive: true, force: true });
}
tally.finish();
