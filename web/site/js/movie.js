// SPDX-License-Identifier: GPL-3.0-or-later
// 動画を保存 in the browser: the core records what the window shows from
// now on without disturbing it; each recorded frame is painted by the
// page's own painter at Form1's logical size, Picture1 going on from what
// it shows, and encoded as a looping GIF, offered as a download named after
// the program. The painting runs in short slices between animation frames
// and the encoding in a worker where the page is served (from the disk
// Chromium refuses workers, so there it runs in the slices too), so the
// lesson keeps moving. A bar shows how far it is, with 中止.

import * as drawing from './drawing.js';
import { MovieEncoder } from './movie_encoder.js';

const sliceMs = 8;

// The encoder on this thread, in the slices.
function pageEncoder() {
  let encoder = null;
  return {
    start(width, height) {
      encoder = new MovieEncoder(width, height);
    },
    add(rgba, delay) {
      encoder.add(rgba, delay);
    },
    finish: async () => encoder.finish(),
    stop() {},
  };
}

function workerEncoder() {
  const worker = new Worker('js/movie_worker.js');
  let answer = null;
  worker.onmessage = ({ data }) => answer?.(data.bytes);
  return {
    start(width, height) {
      worker.postMessage({ width, height });
    },
    add(rgba, delay) {
      worker.postMessage({ rgba: rgba.buffer, delay }, [rgba.buffer]);
    },
    finish: () =>
      new Promise((resolve) => {
        answer = resolve;
        worker.postMessage({ finish: true });
      }),
    stop: () => worker.terminate(),
  };
}

function encoderHere() {
  if (location.protocol === 'file:' || typeof Worker === 'undefined') return pageEncoder();
  try {
    return workerEncoder();
  } catch {
    return pageEncoder();
  }
}

// Paints recorded frames: Form1's drawing and, where shown, Picture1 with
// its border, as 画像を保存 paints them but at the logical size.
function moviePainter({ layout, contract, picture, frameFont, pictureShown }) {
  const { twipsPerPixel } = contract;
  const width = layout.clientWidth / twipsPerPixel;
  const height = layout.clientHeight / twipsPerPixel;
  const canvas = document.createElement('canvas');
  const form = new drawing.SurfacePainter(canvas, contract, { font: frameFont });
  form.resize(width, height, 1);
  let trace = null;
  let place = null;
  if (picture) {
    place = ['left', 'top', 'width', 'height'].map((side) => Math.round(picture.rect[side] / twipsPerPixel));
    trace = new drawing.SurfacePainter(document.createElement('canvas'), contract, {
      antialiased: false,
      font: picture.font,
    });
    trace.resize(place[2], place[3], 1);
    trace.ctx.drawImage(picture.canvas, 0, 0, place[2], place[3]);
  }
  const ctx = canvas.getContext('2d', { willReadFrequently: true });
  return {
    width,
    height,
    paint(recorded) {
      if (trace) trace.replay(recorded.picture);
      form.replay(recorded.frame);
      if (trace && pictureShown) {
        const [x, y, w, h] = place;
        ctx.drawImage(trace.canvas, x, y, w, h);
        ctx.strokeStyle = 'black';
        ctx.lineWidth = 1;
        ctx.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
      }
      return ctx.getImageData(0, 0, canvas.width, canvas.height).data;
    },
  };
}

// The bar that shows how far the movie is, with 中止.
function progressBar(onCancel) {
  const box = document.createElement('div');
  box.className = 'movie-progress';
  box.setAttribute('role', 'status');
  box.style.cssText =
    'position:fixed;left:50%;top:40%;transform:translateX(-50%);background:#fff;border:1px solid #000;' +
    'padding:12px 16px;z-index:10;font:inherit';
  const label = document.createElement('span');
  label.textContent = '動画を作っています…';
  const bar = document.createElement('progress');
  bar.max = 1;
  bar.value = 0;
  bar.style.margin = '0 12px';
  const cancel = document.createElement('button');
  cancel.type = 'button';
  cancel.textContent = '中止';
  cancel.addEventListener('click', onCancel);
  box.append(label, bar, cancel);
  document.body.append(box);
  return {
    show(done, most) {
      bar.value = most > 0 ? Math.min(1, done / most) : 0;
    },
    remove: () => box.remove(),
  };
}

// Makes the movie and gives its bytes to `deliver`; nothing when cancelled.
// One movie at a time: asking again while one is made does nothing.
let making = false;
function makeMovie({ program, layout, contract, picture, frameFont, deliver, tell }) {
  if (making) return;
  making = true;
  program.startRecording();
  const painter = moviePainter({ layout, contract, picture, frameFont, pictureShown: program.pictureVisible() });
  const encoder = encoderHere();
  let cancelled = false;
  const bar = progressBar(() => {
    cancelled = true;
  });
  const end = () => {
    program.stopRecording();
    encoder.stop();
    bar.remove();
    making = false;
  };
  encoder.start(painter.width, painter.height);
  const slice = async () => {
    if (cancelled) {
      end();
      return;
    }
    const until = performance.now() + sliceMs;
    let recorded;
    do {
      recorded = program.nextRecorded();
      if (!recorded) break;
      encoder.add(painter.paint(recorded), recorded.delay);
      bar.show(recorded.ticksDone, recorded.ticksAtMost);
    } while (performance.now() < until);
    if (recorded) {
      requestAnimationFrame(slice);
      return;
    }
    try {
      const bytes = await encoder.finish();
      if (!cancelled) deliver(new Blob([bytes], { type: 'image/gif' }));
    } catch (error) {
      tell(`動画を作れませんでした: ${error.message}`);
    }
    end();
  };
  requestAnimationFrame(slice);
}

export { makeMovie };
