// SPDX-License-Identifier: GPL-3.0-or-later
// 動画を保存's GIF, frame by frame, with gifenc. The pictures have few
// colours and change in few places from one frame to the next, so a frame
// keeps a palette of its own colours and leaves the pixels that stayed the
// same transparent, drawn over the one before; a frame of more than 255
// colours is quantised instead. Runs in a worker or, from the disk, on the
// page in slices.

/*! Bundled here: gifenc 1.0.3, The MIT License (MIT), Copyright (c) 2017 Matt DesLauriers. */
import { GIFEncoder, applyPalette, quantize } from 'gifenc';

const paletteLimit = 256;
const doNotDispose = 1;
const loopForever = 0;
const msPerDelayUnit = 10;

// The frame as indices into its own colours, unchanged pixels as the index
// after them; null over paletteLimit - 1 colours.
function ownColours(rgba, before) {
  const count = rgba.length / 4;
  const words = new Uint32Array(rgba.buffer, rgba.byteOffset, count);
  const was = before && new Uint32Array(before.buffer, before.byteOffset, count);
  const index = new Uint8Array(count);
  const colours = new Map();
  const palette = [];
  let unchanged = false;
  for (let i = 0; i < count; i++) {
    const word = words[i];
    if (was && was[i] === word) {
      unchanged = true;
      continue;
    }
    let k = colours.get(word);
    if (k === undefined) {
      if (palette.length >= paletteLimit - 1) return null;
      k = palette.length;
      colours.set(word, k);
      palette.push([rgba[4 * i], rgba[4 * i + 1], rgba[4 * i + 2]]);
    }
    index[i] = k;
  }
  if (!unchanged) return { index, palette, transparent: false, transparentIndex: 0 };
  const transparentIndex = palette.length;
  palette.push([0, 0, 0]);
  for (let i = 0; i < count; i++) if (was[i] === words[i]) index[i] = transparentIndex;
  return { index, palette, transparent: true, transparentIndex };
}

class MovieEncoder {
  constructor(width, height) {
    Object.assign(this, { width, height, gif: GIFEncoder(), before: null, frames: 0 });
  }

  // `rgba`: the frame's pixels (a Uint8ClampedArray, as the canvas gives
  // them); `delay`: hundredths of a second.
  add(rgba, delay) {
    let frame = ownColours(rgba, this.before);
    if (!frame) {
      const palette = quantize(rgba, paletteLimit);
      frame = { index: applyPalette(rgba, palette), palette, transparent: false, transparentIndex: 0 };
    }
    this.gif.writeFrame(frame.index, this.width, this.height, {
      palette: frame.palette,
      delay: delay * msPerDelayUnit,
      transparent: frame.transparent,
      transparentIndex: frame.transparentIndex,
      dispose: doNotDispose,
      repeat: loopForever,
    });
    this.before = rgba;
    this.frames += 1;
  }

  // The whole file's bytes.
  finish() {
    this.gif.finish();
    return this.gif.bytes();
  }
}

export { MovieEncoder };
