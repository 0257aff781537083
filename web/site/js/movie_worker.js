// SPDX-License-Identifier: GPL-3.0-or-later
// 動画を保存's encoder off the page's thread, so that the lesson's animation
// keeps running while the GIF is made: {width, height} starts it, {rgba,
// delay} adds a frame, {finish} answers with {bytes}.

import { MovieEncoder } from './movie_encoder.js';

let encoder = null;
self.onmessage = ({ data }) => {
  if (data.width) encoder = new MovieEncoder(data.width, data.height);
  else if (data.rgba) encoder.add(new Uint8ClampedArray(data.rgba), data.delay);
  else if (data.finish) {
    const bytes = encoder.finish();
    self.postMessage({ bytes }, [bytes.buffer]);
  }
};
