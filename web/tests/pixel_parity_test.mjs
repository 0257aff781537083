// SPDX-License-Identifier: GPL-3.0-or-later
// Three recorded frames of each program painted twice, by the desktop's Qt
// painter (PNGs from the default build's paint_frames) and by the page's
// canvas replay (drawing.js at device pixel ratio 1, by the core's painter
// contract): at least 99.5% of the
// pixels must lie within 48 of each other in every channel, and, as one
// particle is too small a share to fail that, the centre pixel of every
// circle of radius 2 px or more (centres from the frame's numbers, not from
// either picture) must too, and on a particle four points around it. Lines are left to the share, as the two
// painters smooth them differently; texts are left out.
//   node pixel_parity_test.mjs SITE_FOLDER PAINT_FRAMES_TOOL
// Exits 77 (skipped) when the tool has not been built.
import { execFile } from 'node:child_process';
import { existsSync } from 'node:fs';
import { mkdtemp, readdir, readFile, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { collectPageErrors, launchChromium } from './chromium.mjs';
import { Tally } from './tally.mjs';

const [site, tool] = process.argv.slice(2);
const required = 0.995;
const tolerance = 48;
const smallestCheckedRadius = 2; // pixels
// From this radius on, four more points half a radius from the centre: a
// y-x curve's dots often cover a particle's very centre in both pictures.
const largeCircleRadius = 10; // pixels

if (!existsSync(tool)) {
  console.log(`skipped: ${tool} is missing; build the default preset first`);
  process.exit(77);
}

// In the page: the frame replayed onto a canvas and the PNG decoded onto
// another; the share of pixels within `tolerance` in every channel, and the
// box around the rest (where to look when they part); and the circles whose
// centre pixels part.
async function compare({ numbers, width, height, png, tolerance, smallestCheckedRadius, largeCircleRadius }) {
  const pixels = (canvas) => canvas.getContext('2d').getImageData(0, 0, width, height).data;
  const replayed = document.createElement('canvas');
  window.painterContract ??= (await OndelCore()).painterContract();
  const surface = new drawing.SurfacePainter(replayed, window.painterContract);
  surface.resize(width, height, 1);
  surface.replay({ numbers, texts: [] });
  const image = new Image();
  image.src = `data:image/png;base64,${png}`;
  return image.decode().then(() => {
    const decoded = document.createElement('canvas');
    decoded.width = width;
    decoded.height = height;
    decoded.getContext('2d').drawImage(image, 0, 0);
    const [a, b] = [pixels(replayed), pixels(decoded)];
    const within = (i) => [0, 1, 2].every((c) => Math.abs(a[i + c] - b[i + c]) <= tolerance);
    const hex = (d, i) => d.slice(i, i + 3).reduce((s, c) => s + c.toString(16).padStart(2, '0'), '');
    // Operands after each opcode: clear, line width, line, circle, text.
    const { opcodes, twipsPerPixel } = window.painterContract;
    const operands = { [opcodes.clear]: 0, [opcodes.lineWidth]: 1, [opcodes.line]: 5, [opcodes.circle]: 5, [opcodes.text]: 3 };
    const circles = { checked: 0, parted: [] };
    for (let k = 0; k < numbers.length; k += 1 + operands[numbers[k]]) {
      if (numbers[k] !== opcodes.circle) continue;
      const [x, y, radius] = numbers.slice(k + 1, k + 4).map((twips) => twips / twipsPerPixel);
      if (radius < smallestCheckedRadius) continue;
      const half = radius >= largeCircleRadius ? radius / 2 : 0;
      const points = half ? [[0, 0], [half, 0], [-half, 0], [0, half], [0, -half]] : [[0, 0]];
      circles.checked += 1;
      for (const [dx, dy] of points) {
        const [column, row] = [Math.floor(x + dx), Math.floor(y + dy)];
        if (column < 0 || row < 0 || column >= width || row >= height) continue;
        const i = 4 * (row * width + column);
        if (!within(i)) circles.parted.push(`(${column}, ${row}) canvas ${hex(a, i)} Qt ${hex(b, i)}`);
      }
    }
    let agreeing = 0;
    const box = { left: width, top: height, right: -1, bottom: -1 };
    for (let k = 0; k < width * height; k += 1) {
      const i = 4 * k;
      if (within(i)) {
        agreeing += 1;
        continue;
      }
      const [x, y] = [k % width, Math.floor(k / width)];
      Object.assign(box, { left: Math.min(box.left, x), top: Math.min(box.top, y),
        right: Math.max(box.right, x), bottom: Math.max(box.bottom, y) });
    }
    return { agreement: agreeing / (width * height), box, circles };
  });
}

const frames = await mkdtemp(join(tmpdir(), 'ondel-frames-'));
const tally = new Tally();
const browser = await launchChromium();
try {
  await promisify(execFile)(tool, [frames], { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } });
  const names = (await readdir(frames)).filter((f) => f.endsWith('.json')).sort();
  tally.check('nine programs, three frames each', names.length === 27, `${names.length} frames`);
  const page = await browser.context.newPage();
  const errors = collectPageErrors(page);
  await page.addScriptTag({ path: join(site, 'ondel_core.js') });
  await page.addScriptTag({ path: join(site, 'tests', 'drawing.js') });
  console.log('program      frame  tick  agreement, circles');
  let checkedCircles = 0;
  for (const name of names) {
    const frame = JSON.parse(await readFile(join(frames, name), 'utf8'));
    const png = (await readFile(join(frames, name.replace(/json$/, 'png')))).toString('base64');
    const { agreement, box, circles } = await page.evaluate(compare, { ...frame, png, tolerance, smallestCheckedRadius,
      largeCircleRadius });
    const label = `${frame.program.padEnd(12)} ${name.match(/-(\d)\.json$/)[1].padStart(5)} ${String(frame.tick).padStart(5)}`;
    const where = box.right < 0 ? '' : `, differing within x ${box.left}-${box.right}, y ${box.top}-${box.bottom}`;
    const parted = circles.parted.length ? `; centres parting: ${circles.parted.slice(0, 5).join(', ')}` : '';
    checkedCircles += circles.checked;
    tally.check(label, agreement >= required && circles.parted.length === 0,
      `${(100 * agreement).toFixed(3)}%${where}, ${circles.checked} circles${parted}`);
  }
  tally.check('circles compared at their centres', checkedCircles > 0, `${checkedCircles} circles`);
  for (const error of errors) tally.check('the page reports no error', false, error);
} finally {
  await browser.close();
  await rm(frames, { recursive: true, force: true });
}
tally.finish();
