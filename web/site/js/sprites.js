// SPDX-License-Identifier: GPL-3.0-or-later
// The circles a frame copies hundreds of times, each kind drawn once into
// a sprite, and the CSS text of the frame's few colours.

const cssColour = (rgb) => '#' + rgb.toString(16).padStart(6, '0');
// A frame uses a handful of colours a thousand times: their CSS text once.
const colourTexts = new Map();
function cachedColour(rgb) {
  let text = colourTexts.get(rgb);
  if (text === undefined) {
    text = cssColour(rgb);
    colourTexts.set(rgb, text);
  }
  return text;
}

// A circle filled with `fill` and rimmed with `rim`, on a begun path.
function filledCircle(ctx, x, y, radius, fill, rim, width) {
  ctx.arc(x, y, radius, 0, 2 * Math.PI);
  ctx.fillStyle = cachedColour(fill);
  ctx.fill();
  ctx.lineWidth = width;
  ctx.strokeStyle = cachedColour(rim);
  ctx.stroke();
}

// A circle as pixels, or as a `dot` the rim's width across in the rim's
// colour: `antialiased` off gives hard edges, so that a dot drawn again in
// the background colour erases exactly what it covered.
function makeSprite(radius, fill, rim, width, { antialiased, dot }) {
  const outer = dot ? width / 2 : radius + width / 2;
  const size = Math.ceil(2 * outer + 2);
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = size;
  const ctx = canvas.getContext('2d');
  const c = size / 2;
  if (antialiased) {
    ctx.beginPath();
    if (dot) {
      ctx.arc(c, c, outer, 0, 2 * Math.PI);
      ctx.fillStyle = cssColour(rim);
      ctx.fill();
    } else {
      filledCircle(ctx, c, c, radius, fill, rim, width);
    }
    return canvas;
  }
  const image = ctx.createImageData(size, size);
  const pixels = new DataView(image.data.buffer);
  const inner = dot ? -1 : radius - width / 2;
  for (let y = 0; y < size; y += 1) {
    for (let x = 0; x < size; x += 1) {
      const d = Math.hypot(x + 0.5 - c, y + 0.5 - c);
      if (d <= outer) pixels.setUint32(4 * (y * size + x), (d <= inner ? fill : rim) * 256 + 255);
    }
  }
  ctx.putImageData(image, 0, 0);
  return canvas;
}

export { cachedColour, cssColour, filledCircle, makeSprite };
