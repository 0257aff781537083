// SPDX-License-Identifier: GPL-3.0-or-later
// The core's keys in the page: each reaches its action or command, even
// with the speed bar focused; none that types a character fires while a
// text box has the focus; a button's tooltip names its key.
//   node key_test.mjs SITE_FOLDER
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium();

// What the keys change, as the core and the page show it.
const state = (page) => page.evaluate(() => {
  const { program } = window.ondelPage;
  const help = document.getElementById('help');
  return {
    ...program.windowState(),
    tools: program.lessonTools(),
    time: program.timeIndex(),
    interval: program.timerInterval(),
    bar: Number(document.getElementById('HScroll1').value),
    help: help.open ? help.textContent : null,
    full: document.fullscreenElement?.id ?? null,
    summary: document.getElementById('program-summary').textContent,
  };
});

async function openProgram(page, name) {
  await page.goto(`${server.url}program.html#${name}`);
  await page.waitForSelector('#Form1 #Command1');
  await page.waitForFunction(() => window.ondelPage.program.timeIndex() > 10);
}

// [row, key pressed, what must hold of the state before and after it], in
// order, in ondel8: each row starts where the one before left off.
const keyRows = [
  ['Page Down stops', 'PageDown', (b, a) => b.runStep === 1 && a.runStep === 0],
  ['Page Down steps once stopped', 'PageDown', (b, a) => a.runStep === 0 && a.time === b.time + 1],
  ['Page Up resumes', 'PageUp', (b, a) => a.runStep === 1],
  ['R reverses', 'r', (b, a) => a.direction === -b.direction],
  ['Y shows the next y-x mode', 'y', (b, a) => a.yxMode === (b.yxMode + 1) % 4],
  ['T turns the trace on', 't', (b, a) => !b.tracing && a.tracing],
  ['T turns it off', 't', (b, a) => !a.tracing],
  ['1 shows the transverse row', '1', (b, a) => !b.transverseShown && a.transverseShown],
  ['2 shows the longitudinal row', '2', (b, a) => !b.longitudinalShown && a.longitudinalShown],
  ['- slows by one page', '-', (b, a) => a.interval === b.interval + 10 && a.bar === a.interval],
  ['+ speeds up by one page', '+', (b, a) => a.interval === b.interval - 10 && a.bar === a.interval],
  ['+ stops at the fastest', '+', (b, a) => b.interval === 10 && a.interval === 1 && a.bar === 1],
  ['S turns the strobe on', 's', (b, a) => !b.tools.strobe && a.tools.strobe && !a.tools.annotations],
  ['A turns the annotations on', 'a', (b, a) => !b.tools.annotations && a.tools.annotations && a.tools.strobe],
  ['S turns the strobe off', 's', (b, a) => !a.tools.strobe && a.tools.annotations],
  ['F1 opens the help', 'F1', (b, a) => a.help?.includes('ondel8') && a.help.includes(a.summary) &&
    a.help.includes('Page Down') && !a.help.includes('Ctrl++')],
  ['F8 shows what the program is', 'F8', (b, a) => a.help?.includes('GPL-3.0-or-later') &&
    !a.help.includes('Page Down')],
  ['F11 goes full screen', 'F11', (b, a) => a.full === 'program'],
  ['F11 leaves it', 'F11', (b, a) => a.full === null],
];

// [row, text box, text typed]: in ondel15, typed as text, firing no key.
const typingRows = [
  ['the separation box', 'Text2', '120'],
  ['the file name box', 'Text1', 'r1t2y'],
];

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  await openProgram(page, 'ondel8');
  for (const [row, key, holds] of keyRows) {
    const before = await state(page);
    await page.keyboard.press(key);
    if (key === 'F11') await page.waitForTimeout(200);
    const after = await state(page);
    tally.check(row, holds(before, after), JSON.stringify(after));
    if (after.help) await page.click('#help button');
  }

  // Ctrl+plus, minus and 0 zoom the desktop window; in the page they stay
  // the browser's own zoom, which the page must not take.
  const zoomKeys = await page.evaluate(() => ['+', '=', '-', '0'].map((key) => {
    const event = new KeyboardEvent('keydown', { key, ctrlKey: true, bubbles: true, cancelable: true });
    document.body.dispatchEvent(event);
    return event.defaultPrevented;
  }));
  tally.check('Ctrl+plus, minus and 0 are left to the browser\'s zoom', zoomKeys.every((taken) => !taken), zoomKeys.join());
  const zoomNames = await page.evaluate(() => window.ondelPage.program.keys().map((k) => k.name)
    .filter((name) => ['Ctrl++', 'Ctrl+-', 'Ctrl+0'].includes(name)));
  tally.check('the page is given no zoom key', zoomNames.length === 0, zoomNames.join());

  await page.focus('#HScroll1');
  const beforeBar = await state(page);
  await page.keyboard.press('PageDown');
  const afterBar = await state(page);
  tally.check('Page Down on the focused speed bar stops rather than moves it',
    afterBar.runStep === 0 && afterBar.bar === beforeBar.bar, JSON.stringify(afterBar));

  const hint = await page.evaluate(() => {
    const { program } = window.ondelPage;
    const key = program.keys().find((k) => k.name === 'Page Down');
    const control = program.layout().controls.find((c) => c.action === key.action);
    return [document.getElementById(control.name).title, `${control.caption} (Page Down)`];
  });
  tally.check('a button\'s tooltip names its key', hint[0] === hint[1], hint.join(' / '));

  await openProgram(page, 'ondel15');
  for (const [row, box, text] of typingRows) {
    const before = await state(page);
    await page.fill(`#${box}`, '');
    await page.focus(`#${box}`);
    await page.keyboard.type(text);
    await page.keyboard.press('Enter');
    const after = await state(page);
    const value = await page.inputValue(`#${box}`);
    const same = ['transverseShown', 'longitudinalShown', 'direction', 'tracing', 'yxMode'].every((k) => before[k] === after[k]);
    tally.check(`typing "${text}" into ${row} fires no key`, same && value === text, `${value} ${JSON.stringify(after)}`);
  }
  await page.keyboard.press('PageDown');
  tally.check('Page Down still stops from a text box', (await state(page)).runStep === 0);

  // A program without files to load lacks Ctrl+O's command.
  await openProgram(page, 'ondel10');
  await page.focus('#Command1');
  const [chooser] = await Promise.all([
    page.waitForEvent('filechooser', { timeout: 500 }).then(() => true, () => false),
    page.keyboard.press('Control+o'),
  ]);
  tally.check('Ctrl+O in ondel10 opens no file chooser', !chooser);

  for (const error of errors) tally.check('the page reports no error', false, error);
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
