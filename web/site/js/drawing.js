// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the core's drawing (the numbers of web/core/encoded_drawing.h)
// onto a canvas, by the rules the desktop's painter keeps too (the core's
// painterContract(): the scale, the background, the sprites' limit, the
// margin, the line widths, the dot rule, the opcodes): line widths in CSS
// pixels, scaled by the device pixel ratio. A frame holds hundreds of
// identical dots, so each kind of circle is drawn once into a sprite and
// copied; the lines of one colour that follow each other are stroked as
// one path, and the small dots of one colour that follow each other (the
// y-x curves) filled as one, so that what lies on top stays as drawn.

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

class SurfacePainter {
  // `contract`: the core's painterContract(); `font`: the CSS font of the
  // texts this surface prints.
  constructor(canvas, contract, { antialiased = true, font = '' } = {}) {
    this.contract = contract;
    this.canvas = canvas;
    this.ctx = canvas.getContext('2d');
    this.antialiased = antialiased;
    this.font = font;
    this.lineWidth = 1;
    this.sprites = new Map();
    // The last circle's sprite and what it was made for: rows of identical
    // dots find it without a lookup.
    this.lastSprite = { sprite: null, radius: NaN, fill: NaN, rim: NaN, lineWidth: NaN };
    // The path being gathered (lines to stroke, or dots to fill), and its
    // colour and width.
    this.pathColour = null;
    this.pathWidth = 0;
    this.pathFills = false;
    this.cssWidth = 0;
    this.cssHeight = 0;
    this.scale = 1;
  }

  // Sizes the canvas to `width` x `height` CSS pixels at `scale` device
  // pixels each, keeping what it shows.
  resize(width, height, scale) {
    if (width === this.cssWidth && height === this.cssHeight && scale === this.scale) return;
    const kept = this.cssWidth > 0 ? this.copy() : null;
    Object.assign(this, { cssWidth: width, cssHeight: height, scale });
    this.canvas.width = Math.round(width * scale);
    this.canvas.height = Math.round(height * scale);
    this.canvas.style.width = `${width}px`;
    this.canvas.style.height = `${height}px`;
    this.sprites.clear();
    this.lastSprite.sprite = null;
    this.clear();
    if (kept) this.ctx.drawImage(kept, 0, 0, this.canvas.width, this.canvas.height);
  }

  copy() {
    const copy = document.createElement('canvas');
    copy.width = this.canvas.width;
    copy.height = this.canvas.height;
    copy.getContext('2d').drawImage(this.canvas, 0, 0);
    return copy;
  }

  clear() {
    this.ctx.fillStyle = cachedColour(this.contract.background);
    this.ctx.fillRect(0, 0, this.canvas.width, this.canvas.height);
  }

  // Device pixels of a twip coordinate.
  px(twips) {
    return (twips / this.contract.twipsPerPixel) * this.scale;
  }

  outside(x0, y0, x1, y1, reach) {
    const m = (this.contract.margin + reach) * this.scale;
    const w = this.canvas.width;
    const h = this.canvas.height;
    return (x0 < -m && x1 < -m) || (y0 < -m && y1 < -m) || (x0 > w + m && x1 > w + m) || (y0 > h + m && y1 > h + m);
  }

  // Begins a path of `colour` and `width` unless the one being gathered is
  // such a path, which is then finished first.
  joinPath(colour, width, fills) {
    if (colour === this.pathColour && width === this.pathWidth && fills === this.pathFills) return;
    this.strokePath();
    this.ctx.beginPath();
    Object.assign(this, { pathColour: colour, pathWidth: width, pathFills: fills });
  }

  // A line joins the path being gathered when it has the same colour and
  // width; otherwise that path is stroked first.
  line(x0, y0, x1, y1, rgb) {
    const a = this.px(x0);
    const b = this.px(y0);
    const c = this.px(x1);
    const d = this.px(y1);
    if (!(Number.isFinite(a) && Number.isFinite(b) && Number.isFinite(c) && Number.isFinite(d))) return;
    if (this.outside(a, b, c, d, 0)) return;
    this.joinPath(cachedColour(rgb), this.lineWidth * this.scale, false);
    this.ctx.moveTo(a, b);
    this.ctx.lineTo(c, d);
  }

  // Strokes the lines, or fills the dots, gathered so far, if any.
  strokePath() {
    if (this.pathColour === null) return;
    const ctx = this.ctx;
    if (this.pathFills) {
      ctx.fillStyle = this.pathColour;
      ctx.fill();
    } else {
      ctx.lineWidth = this.pathWidth;
      ctx.lineCap = 'round';
      ctx.strokeStyle = this.pathColour;
      ctx.stroke();
    }
    this.pathColour = null;
  }

  circle(x, y, radius, fill, rim) {
    const cx = this.px(x);
    const cy = this.px(y);
    if (!Number.isFinite(cx) || !Number.isFinite(cy) || !Number.isFinite(radius) || radius < 0) return;
    const r = this.px(radius);
    if (this.outside(cx, cy, cx, cy, r / this.scale + this.lineWidth)) return;
    const radiusTwips = Math.round(radius);
    const width = this.lineWidth * this.scale;
    if (this.antialiased && radiusTwips <= this.contract.largestSpriteRadius &&
        this.contract.showsAsDot(this.px(radiusTwips), width)) {
      // Where its sprite would lie, on the same whole pixels.
      const outer = width / 2;
      const half = Math.ceil(2 * outer + 2) / 2;
      const [x0, y0] = [Math.round(cx - half) + half, Math.round(cy - half) + half];
      this.joinPath(cachedColour(rim), width, true);
      this.ctx.moveTo(x0 + outer, y0);
      this.ctx.arc(x0, y0, outer, 0, 2 * Math.PI);
      return;
    }
    this.strokePath();
    if (radiusTwips > this.contract.largestSpriteRadius) {
      this.ctx.beginPath();
      filledCircle(this.ctx, cx, cy, r, fill, rim, width);
      return;
    }
    const sprite = this.spriteFor(radiusTwips, fill, rim);
    this.ctx.drawImage(sprite, Math.round(cx - sprite.width / 2), Math.round(cy - sprite.height / 2));
  }

  // The sprite of a circle of `radius` twips, made on its first use.
  spriteFor(radius, fill, rim) {
    const last = this.lastSprite;
    if (last.sprite && last.radius === radius && last.fill === fill && last.rim === rim &&
        last.lineWidth === this.lineWidth) {
      return last.sprite;
    }
    const key = `${radius} ${fill} ${rim} ${this.lineWidth}`;
    let sprite = this.sprites.get(key);
    if (!sprite) {
      const [r, width] = [this.px(radius), this.lineWidth * this.scale];
      const dot = this.contract.showsAsDot(r, width);
      sprite = makeSprite(r, fill, rim, width, { antialiased: this.antialiased, dot });
      this.sprites.set(key, sprite);
    }
    Object.assign(last, { sprite, radius, fill, rim, lineWidth: this.lineWidth });
    return sprite;
  }

  text(x, y, text) {
    const a = this.px(x);
    const b = this.px(y);
    if (!Number.isFinite(a) || !Number.isFinite(b)) return;
    const ctx = this.ctx;
    ctx.save();
    ctx.scale(this.scale, this.scale);
    ctx.font = this.font;
    ctx.textBaseline = 'top';
    ctx.fillStyle = 'black';
    ctx.fillText(text, a / this.scale, b / this.scale);
    ctx.restore();
  }

  // Draws one encoded drawing: {numbers, texts}.
  replay({ numbers: n, texts }) {
    const { opcodes: op, thinnestLine, thickestLine } = this.contract;
    for (let i = 0; i < n.length;) {
      if (n[i] !== op.line && n[i] !== op.circle) this.strokePath();
      switch (n[i]) {
        case op.clear: this.clear(); i += 1; break;
        case op.lineWidth: this.lineWidth = Math.min(Math.max(n[i + 1], thinnestLine), thickestLine); i += 2; break;
        case op.line: this.line(n[i + 1], n[i + 2], n[i + 3], n[i + 4], n[i + 5]); i += 6; break;
        case op.circle: this.circle(n[i + 1], n[i + 2], n[i + 3], n[i + 4], n[i + 5]); i += 6; break;
        case op.text: this.text(n[i + 1], n[i + 2], texts[n[i + 3]]); i += 4; break;
        default: throw new Error(`unknown drawing opcode ${n[i]}`);
      }
    }
    this.strokePath();
  }
}

export { SurfacePainter, cssColour };
