// SPDX-License-Identifier: GPL-3.0-or-later
// Form1 on every screen: fitted below the bar on a projector, an iPad and a
// phone either way up, or at a chosen size, with its particles drawn at
// their scaled places (not stretched); and a window moved to a screen of
// another density or resized (emulated while ondel8 runs): both canvases
// take the new pixels (backing store = shown size × ratio), the particles
// are drawn again, and the y-t trace already in Picture1 is kept.
//   node scale_test.mjs SITE_FOLDER
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();
const server = await serveFolder(site);
const browser = await launchChromium();

// Each canvas's backing store against its CSS size, and its pixels of one colour.
function surfaces() {
  const count = (canvas, [r, g, b]) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let n = 0;
    for (let i = 0; i < data.length; i += 4) n += data[i] === r && data[i + 1] === g && data[i + 2] === b;
    return n;
  };
  const describe = (canvas, colour) => {
    const box = canvas.getBoundingClientRect();
    return { width: canvas.width, height: canvas.height, cssWidth: box.width, cssHeight: box.height, pixels: count(canvas, colour) };
  };
  return {
    ratio: devicePixelRatio,
    fullScreen: document.fullscreenElement !== null,
    frame: describe(document.querySelector('#Form1 canvas.frame'), [0, 255, 0]), // particle 1's green
    picture: describe(document.getElementById('Picture1'), [0, 0, 0]), // the trace and its axes
  };
}

// Form1's scale and place in the window, and where particle 1's green is
// drawn on the frame canvas, in CSS pixels of the layout (its centre).
function fitted() {
  const form1 = document.getElementById('Form1');
  const box = form1.getBoundingClientRect();
  const canvas = form1.querySelector('canvas.frame');
  const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  let n = 0;
  let sx = 0;
  let sy = 0;
  for (let i = 0; i < data.length; i += 4) {
    if (data[i] === 0 && data[i + 1] === 255 && data[i + 2] === 0) {
      n += 1;
      sx += (i / 4) % canvas.width;
      sy += Math.floor(i / 4 / canvas.width);
    }
  }
  const scale = box.width / form1.offsetWidth;
  const toLayout = (device) => device / (scale * devicePixelRatio);
  return {
    scale,
    box: { left: box.left, right: innerWidth - box.right, bottom: innerHeight - box.bottom },
    roomBelowBar: innerHeight - document.getElementById('bar').getBoundingClientRect().bottom,
    form: { width: form1.offsetWidth, height: form1.offsetHeight },
    sideways: document.documentElement.scrollWidth > innerWidth,
    turnHint: getComputedStyle(document.getElementById('turn-hint')).display !== 'none',
    backing: canvas.width === Math.round(box.width * devicePixelRatio),
    green: n > 0 ? [toLayout(sx / n), toLayout(sy / n)] : null,
  };
}

// [name, program, window width, height, device pixel ratio, ?zoom, the scale expected (null: fitted)].
const sizeRows = [
  ['100% on a projector', 'ondel8', 1920, 1080, 1, '?zoom=100', 1],
  ['a 1080p projector', 'ondel8', 1920, 1080, 1, '', null],
  ['a phone upright', 'ondel9', 390, 844, 3, '', null],
  // The same page as the row before, as a phone is turned.
  ['the phone turned sideways', 'ondel9', 844, 390, 3, '', null],
  ['an iPad, the widest program', 'ondel3a', 820, 1180, 2, '', null],
  ['200% in a small window', 'ondel8', 1000, 700, 1, '?zoom=200', 2],
];
// The form's margin from the window's edge, CSS pixels.
const margin = 8;
// Particle 1 stands at 1200 twips, 80 CSS pixels of the layout, in the
// pulse programs' transverse row.
const particleOneX = 80;
// Where its centre is at 100%, from the first row.
let greenAtOne = null;

async function checkSizes(setMetrics, page) {
  for (const [name, program, width, height, ratio, query, expected] of sizeRows) {
    await setMetrics(width, height, ratio, width < height || height < 500);
    await page.goto(`${server.url}program.html${query}#${program}`);
    await page.waitForSelector('#Form1 #Command1');
    const hidden = await page.evaluate(() => !window.ondelPage.program.windowState().transverseShown);
    if (hidden) await page.click('#Command1'); // 横波
    await page.click('#Command3'); // stopped: the particles hold still while they are measured
    await page.waitForTimeout(400);
    const f = await page.evaluate(fitted);
    const want = expected ?? Math.min((width - 2 * margin) / f.form.width, (f.roomBelowBar - margin) / f.form.height);
    tally.check(`${name}: Form1 at ${(100 * want).toFixed(1)}%`, Math.abs(f.scale - want) < 0.002, `${(100 * f.scale).toFixed(1)}%`);
    if (expected === null) {
      const centred = Math.abs(f.box.left - f.box.right) <= 1 && f.box.bottom >= 0;
      tally.check(`${name}: … centred, all of it in the window, no sideways scrolling`, centred && !f.sideways,
        JSON.stringify(f.box));
    }
    tally.check(`${name}: … drawn with a device pixel for each it covers`, f.backing);
    if (hidden) {
      // At rest on its axis: the same place in the layout at any scale.
      const [x, y] = f.green ?? [NaN, NaN];
      greenAtOne ??= y;
      tally.check(`${name}: … particle 1 drawn at its scaled place`, Math.abs(x - particleOneX) < 1 &&
        (program !== 'ondel8' || Math.abs(y - greenAtOne) < 1), `at ${x.toFixed(1)}, ${y.toFixed(1)} of the layout`);
    }
    tally.check(`${name}: … the turning hint only on a phone upright`, f.turnHint === (name === 'a phone upright'));
  }
}

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  const cdp = await browser.context.newCDPSession(page);
  const setMetrics = (width, height, deviceScaleFactor, mobile) =>
    cdp.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor, mobile });
  await checkSizes(setMetrics, page);

  const setRatio = (deviceScaleFactor) => setMetrics(1000, 800, deviceScaleFactor, false);
  await setRatio(1);
  await page.goto(`${server.url}program.html#ondel8`);
  await page.waitForSelector('#Form1 #Command1');
  for (const control of ['Command1', 'Command9', 'Command8']) await page.click(`#${control}`); // 横波, the pulses, y-t線
  await page.waitForTimeout(1000);

  // [name, what changes]: the density, the chosen size, the window's shape.
  const changes = [
    ['ratio 2', () => setRatio(2)],
    ['ratio 1', () => setRatio(1)],
    ['150% chosen', () => page.selectOption('#zoom-choice', '150')],
    ['F11: full screen fits whatever is chosen', () => page.keyboard.press('F11')],
    ['fitted again in a window turned upright', () => page.keyboard.press('F11')
      .then(() => page.selectOption('#zoom-choice', 'fit')).then(() => setMetrics(700, 1000, 1, false))],
  ];
  let before = await page.evaluate(surfaces);
  const fittedWidth = before.frame.cssWidth;
  for (const [name, change] of changes) {
    await change();
    await page.waitForTimeout(500);
    const after = await page.evaluate(surfaces);
    if (name.startsWith('F11')) {
      // Headless, the screen is the window: full screen shows Form1 as fitted at first.
      tally.check(name, after.fullScreen && Math.abs(after.frame.cssWidth - fittedWidth) < 1,
        `${after.frame.cssWidth} CSS pixels wide, ${fittedWidth} fitted`);
    }
    for (const canvas of ['frame', 'picture']) {
      const s = after[canvas];
      const sized = s.width === Math.round(s.cssWidth * after.ratio) && s.height === Math.round(s.cssHeight * after.ratio);
      tally.check(`${name}: the ${canvas} canvas has ${after.ratio} pixels to a CSS pixel`, sized,
        `${s.width}×${s.height} for ${s.cssWidth}×${s.cssHeight} CSS pixels at ratio ${after.ratio}`);
    }
    // Areas scale with the square of the size.
    const scale = (after.frame.width / before.frame.width) ** 2;
    const particles = after.frame.pixels / scale;
    tally.check(`${name}: the particles are drawn again`, Math.abs(particles - before.frame.pixels) < 0.5 * before.frame.pixels,
      `${after.frame.pixels} green pixels, ${before.frame.pixels} before`);
    const trace = after.picture.pixels / scale;
    tally.check(`${name}: the y-t trace is kept`, trace > 0.7 * before.picture.pixels,
      `${after.picture.pixels} black pixels, ${before.picture.pixels} before`);
    before = after;
  }
  for (const error of errors) tally.check('the page reports no error', false, error);
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
