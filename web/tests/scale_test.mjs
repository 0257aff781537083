// SPDX-License-Identifier: GPL-3.0-or-later
// A window moved to a screen of another density (emulated: the device pixel
// ratio goes from 1 to 2 and back while ondel8 runs): both canvases take
// the new ratio's pixels (backing store = CSS size × ratio), the particles
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
    frame: describe(document.querySelector('#Form1 canvas.frame'), [0, 255, 0]), // particle 1's green
    picture: describe(document.getElementById('Picture1'), [0, 0, 0]), // the trace and its axes
  };
}

try {
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  const cdp = await browser.context.newCDPSession(page);
  const setRatio = (deviceScaleFactor) =>
    cdp.send('Emulation.setDeviceMetricsOverride', { width: 1000, height: 800, deviceScaleFactor, mobile: false });
  await setRatio(1);
  await page.goto(`${server.url}program.html#ondel8`);
  await page.waitForSelector('#Form1 #Command1');
  for (const control of ['Command1', 'Command9', 'Command8']) await page.click(`#${control}`); // 横波, the pulses, y-t線
  await page.waitForTimeout(1000);

  let before = await page.evaluate(surfaces);
  for (const ratio of [2, 1]) {
    await setRatio(ratio);
    await page.waitForTimeout(500);
    const after = await page.evaluate(surfaces);
    for (const name of ['frame', 'picture']) {
      const s = after[name];
      const sized = s.width === Math.round(s.cssWidth * ratio) && s.height === Math.round(s.cssHeight * ratio);
      tally.check(`ratio ${ratio}: the ${name} canvas has ${ratio} pixels to a CSS pixel`, after.ratio === ratio && sized,
        `${s.width}×${s.height} for ${s.cssWidth}×${s.cssHeight} CSS pixels at ratio ${after.ratio}`);
    }
    // Areas scale with the square of the ratio.
    const scale = (ratio / before.ratio) ** 2;
    const particles = after.frame.pixels / scale;
    tally.check(`ratio ${ratio}: the particles are drawn again`, Math.abs(particles - before.frame.pixels) < 0.5 * before.frame.pixels,
      `${after.frame.pixels} green pixels, ${before.frame.pixels} before`);
    const trace = after.picture.pixels / scale;
    tally.check(`ratio ${ratio}: the y-t trace is kept`, trace > 0.7 * before.picture.pixels,
      `${after.picture.pixels} black pixels, ${before.picture.pixels} before`);
    before = after;
  }
  for (const error of errors) tally.check('the page reports no error', false, error);
} finally {
  await browser.close();
  await server.close();
}
tally.finish();
