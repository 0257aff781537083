// SPDX-License-Identifier: GPL-3.0-or-later
// Replays the core's drawing (the numbers of web/core/encoded_drawing.h)
// onto a canvas, by the rules the desktop's painter keeps too (the core's
// painterContract(): the scale, the background, the sprites' limit, the
// margin, the line widths, the dot rule, the opcodes): line widths in CSS
// pixels, scaled by the device pixel ratio. A frame holds hundreds of
// identical dots, so each kind of circle is drawn once into a sprite and
// copied; the lines of one colour that follow each other are stroked as
// one path, and the small dots of one colour that follow each other
// filled as one, so that what lies on top stays as drawn. A whole frame's
// long run of sprites (the rows and the y-x curves) is kept on a layer
// where only what moved is drawn again (sprite_layer.js).

import { SpriteLayer, shortestLayeredRun } from './sprite_layer.js';
import { cachedColour, cssColour, filledCircle, makeSprite } from './sprites.js';

// How a circle lands on the canvas (see SurfacePainter.place()).
const placed = { nowhere: 0, dot: 1, large: 2, sprite: 3 };
// Enough for the three y-x curves' dots, which take turns.
const recentSpriteCount = 4;
// Numbers of a circle in a frame: its opcode and five operands.
const circleLength = 6;

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
    // The last sprites used and what they were made for: rows of identical
    // dots find theirs without a lookup.
    this.recentSprites = [];
    this.dotRule = new Map();
    // Where the last circle landed (see place()), and the long runs of
    // sprites of a whole frame, kept on a layer of their own.
    this.placement = { cx: 0, cy: 0, r: 0, radiusTwips: 0, width: 0, sprite: null, left: 0, top: 0 };
    this.layer = new SpriteLayer();
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
    this.recentSprites.length = 0;
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

  // Where a circle lands, into `this.placement`: nowhere (not a number, or
  // off the canvas), as a dot, as a large circle, or as a sprite (which,
  // and at which whole pixels).
  place(x, y, radius, fill, rim) {
    const p = this.placement;
    p.cx = this.px(x);
    p.cy = this.px(y);
    if (!Number.isFinite(p.cx) || !Number.isFinite(p.cy) || !Number.isFinite(radius) || radius < 0) return placed.nowhere;
    p.r = this.px(radius);
    if (this.outside(p.cx, p.cy, p.cx, p.cy, p.r / this.scale + this.lineWidth)) return placed.nowhere;
    p.radiusTwips = Math.round(radius);
    p.width = this.lineWidth * this.scale;
    if (p.radiusTwips > this.contract.largestSpriteRadius) return placed.large;
    if (this.antialiased && this.showsAsDot(p.radiusTwips)) return placed.dot;
    const sprite = this.spriteFor(p.radiusTwips, fill, rim);
    p.sprite = sprite;
    p.left = Math.round(p.cx - sprite.width / 2);
    p.top = Math.round(p.cy - sprite.height / 2);
    return placed.sprite;
  }

  circle(x, y, radius, fill, rim) {
    const kind = this.place(x, y, radius, fill, rim);
    if (kind === placed.nowhere) return;
    const p = this.placement;
    if (kind === placed.dot) {
      // Where its sprite would lie, on the same whole pixels.
      const outer = p.width / 2;
      const half = Math.ceil(2 * outer + 2) / 2;
      const [x0, y0] = [Math.round(p.cx - half) + half, Math.round(p.cy - half) + half];
      this.joinPath(cachedColour(rim), p.width, true);
      this.ctx.moveTo(x0 + outer, y0);
      this.ctx.arc(x0, y0, outer, 0, 2 * Math.PI);
      return;
    }
    this.strokePath();
    if (kind === placed.large) {
      this.ctx.beginPath();
      filledCircle(this.ctx, p.cx, p.cy, p.r, fill, rim, p.width);
      return;
    }
    this.ctx.drawImage(p.sprite, p.left, p.top);
  }

  // The core's dot rule for a circle of `radius` twips at the line width in
  // force; asked once for each radius and width, not for every circle.
  showsAsDot(radius) {
    const key = `${radius} ${this.lineWidth} ${this.scale}`;
    let dot = this.dotRule.get(key);
    if (dot === undefined) {
      dot = this.contract.showsAsDot(this.px(radius), this.lineWidth * this.scale);
      this.dotRule.set(key, dot);
    }
    return dot;
  }

  // The sprite of a circle of `radius` twips, made on its first use.
  spriteFor(radius, fill, rim) {
    const lineWidth = this.lineWidth;
    // The curves' dots take turns by colour: the last few sprites are
    // looked at before the table.
    for (const last of this.recentSprites) {
      if (last.radius === radius && last.fill === fill && last.rim === rim && last.lineWidth === lineWidth) {
        return last.sprite;
      }
    }
    const key = `${radius} ${fill} ${rim} ${lineWidth}`;
    let sprite = this.sprites.get(key);
    if (!sprite) {
      const [r, width] = [this.px(radius), lineWidth * this.scale];
      const dot = this.contract.showsAsDot(r, width);
      sprite = makeSprite(r, fill, rim, width, { antialiased: this.antialiased, dot });
      this.sprites.set(key, sprite);
    }
    this.recentSprites.unshift({ sprite, radius, fill, rim, lineWidth });
    this.recentSprites.length = Math.min(this.recentSprites.length, recentSpriteCount);
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

  // Draws one encoded drawing: {numbers, texts}. In a whole frame (one
  // that begins by clearing), the first long run of circles goes through
  // the layer.
  replay({ numbers, texts }) {
    this.play(numbers, texts, numbers.length, true);
  }

  // Draws the numbers before `end`, through the layer when `layering`.
  play(n, texts, end, layering) {
    const { opcodes: op, thinnestLine, thickestLine } = this.contract;
    let layered = false;
    let plainUntil = 0;
    for (let i = 0; i < end;) {
      if (n[i] !== op.line && n[i] !== op.circle) this.strokePath();
      switch (n[i]) {
        case op.clear: this.clear(); layered = layering && i === 0; i += 1; break;
        case op.lineWidth: this.lineWidth = Math.min(Math.max(n[i + 1], thinnestLine), thickestLine); i += 2; break;
        case op.line: this.line(n[i + 1], n[i + 2], n[i + 3], n[i + 4], n[i + 5]); i += 6; break;
        case op.circle:
          if (layered && i >= plainUntil) {
            let last = i;
            while (last < end && n[last] === op.circle) last += circleLength;
            if (last - i >= shortestLayeredRun * circleLength && this.layeredRun(n, texts, i, last)) {
              layered = false;
              i = last;
              break;
            }
            plainUntil = last;
          }
          this.circle(n[i + 1], n[i + 2], n[i + 3], n[i + 4], n[i + 5]);
          i += circleLength;
          break;
        case op.text: this.text(n[i + 1], n[i + 2], texts[n[i + 3]]); i += 4; break;
        default: throw new Error(`unknown drawing opcode ${n[i]}`);
      }
    }
    this.strokePath();
  }

  // The circles of numbers [start, end) through the layer, when each is a
  // sprite or nowhere; false, and nothing drawn, when one is not.
  layeredRun(n, texts, start, end) {
    const layer = this.layer;
    layer.start();
    for (let i = start; i < end; i += circleLength) {
      const kind = this.place(n[i + 1], n[i + 2], n[i + 3], n[i + 4], n[i + 5]);
      if (kind === placed.sprite) layer.add(this.placement.sprite, this.placement.left, this.placement.top);
      else if (kind !== placed.nowhere) return false;
    }
    this.strokePath();
    const [ctx, lineWidth] = [this.ctx, this.lineWidth];
    const drawBelow = (layerContext) => {
      this.ctx = layerContext;
      this.play(n, texts, start, false);
      this.ctx = ctx;
    };
    layer.paintOnto(ctx, drawBelow, layer.keepsBelow(n, start, texts));
    this.lineWidth = lineWidth;
    return true;
  }
}

export { SurfacePainter, cssColour };
