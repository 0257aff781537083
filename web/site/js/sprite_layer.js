// SPDX-License-Identifier: GPL-3.0-or-later
// A frame up to the end of its long run of circles drawn as sprites (the
// rows and the y-x curves' hundreds of dots) kept on a canvas of its own.
// While what the frame draws before the run stays the same, only the boxes
// where a sprite moved or changed are drawn again from one frame to the
// next: what lies below, then every sprite of the run that reaches into
// them, in the run's order, so that what lies on top stays as drawn and
// each pixel comes out as the frame drawn whole would have it. The part
// the run covers is then copied onto the frame. Copying a sprite costs the
// page about a microsecond whatever its size, so a few hundred of them were
// most of a frame. A frame that does not keep what lay below the last one
// (the first of all, or one after the picture changed) is drawn straight
// onto the canvas: the layer pays only from the frame that follows it.

// Shorter runs are copied straight onto the frame.
const shortestLayeredRun = 64;
// Beyond so many boxes to draw again (each one a pass over the run), the
// whole layer is drawn again in one pass.
const mostBoxes = 8;

// The sprites of one run, in order, and where each lies.
class Run {
  constructor() {
    this.sprites = [];
    this.lefts = [];
    this.tops = [];
    this.count = 0;
  }

  add(sprite, left, top) {
    this.sprites[this.count] = sprite;
    this.lefts[this.count] = left;
    this.tops[this.count] = top;
    this.count += 1;
  }

  // The box of sprite `k`: [left, top, right, bottom].
  box(k) {
    const sprite = this.sprites[k];
    return [this.lefts[k], this.tops[k], this.lefts[k] + sprite.width, this.tops[k] + sprite.height];
  }

  same(other, k) {
    return this.sprites[k] === other.sprites[k] && this.lefts[k] === other.lefts[k] && this.tops[k] === other.tops[k];
  }
}

// Boxes that overlap along x joined into one, so that the boxes left are
// apart and each pixel is drawn again once.
function joined(boxes) {
  boxes.sort((a, b) => a[0] - b[0]);
  const out = [];
  for (const box of boxes) {
    const last = out[out.length - 1];
    if (last && box[0] < last[2]) {
      last[1] = Math.min(last[1], box[1]);
      last[2] = Math.max(last[2], box[2]);
      last[3] = Math.max(last[3], box[3]);
    } else {
      out.push([...box]);
    }
  }
  return out;
}

class SpriteLayer {
  constructor() {
    this.canvas = null; // the layer, and its context
    this.layer = null;
    this.base = null; // what lies below the run, drawn whole
    this.shown = new Run(); // the run last drawn
    this.holdsShown = false; // whether the layer holds it
    this.next = new Run(); // the run being gathered
    // What the frame draws below the run, as the layer holds it.
    this.below = new Float64Array(0);
    this.belowTexts = [];
  }

  // Whether the numbers before `start` (and the texts) are what the layer
  // holds below its run; they are kept for the next frame either way.
  keepsBelow(numbers, start, texts) {
    const same = this.below.length === start && this.belowTexts.length === texts.length &&
      this.below.every((value, i) => Object.is(value, numbers[i])) && this.belowTexts.every((t, i) => t === texts[i]);
    if (!same) {
      this.below = Float64Array.from(numbers.slice(0, start));
      this.belowTexts = [...texts];
    }
    return same;
  }

  // Starts gathering the next run; add() each sprite of it in order.
  start() {
    this.next.count = 0;
  }

  add(sprite, left, top) {
    this.next.add(sprite, left, top);
  }

  // The boxes that differ between the layer and the gathered run, or null
  // when more than half of it does or they are too many (then all of it is
  // drawn again).
  changedBoxes() {
    const [shown, next] = [this.shown, this.next];
    if (shown.count !== next.count) return null;
    const boxes = [];
    for (let k = 0; k < next.count; k += 1) {
      if (shown.same(next, k)) continue;
      if (boxes.length > next.count) return null;
      boxes.push(shown.box(k), next.box(k));
    }
    const apart = joined(boxes);
    return apart.length > mostBoxes ? null : apart;
  }

  // Draws the gathered run, and what lies below it, onto `ctx`'s canvas:
  // through the layer, brought up to it, when `belowKept` says the frame
  // draws below the run what the last one did, else straight. `drawBelow(c)`
  // draws that part of the frame onto context `c`.
  paintOnto(ctx, drawBelow, belowKept) {
    if (belowKept) this.paintThroughLayer(ctx, drawBelow);
    else this.paintStraight(ctx, drawBelow);
    [this.shown, this.next] = [this.next, this.shown];
  }

  paintStraight(ctx, drawBelow) {
    drawBelow(ctx);
    const run = this.next;
    for (let k = 0; k < run.count; k += 1) ctx.drawImage(run.sprites[k], run.lefts[k], run.tops[k]);
    this.holdsShown = false;
  }

  paintThroughLayer(ctx, drawBelow) {
    const { width, height } = ctx.canvas;
    const resized = !this.canvas || this.canvas.width !== width || this.canvas.height !== height;
    if (resized) {
      this.canvas = Object.assign(document.createElement('canvas'), { width, height });
      this.layer = this.canvas.getContext('2d');
      this.base = Object.assign(document.createElement('canvas'), { width, height });
    }
    // What lies below is drawn whole onto a canvas of its own, as lines
    // drawn within a box are not always smoothed as the same lines whole.
    const whole = resized || !this.holdsShown;
    if (whole) drawBelow(this.base.getContext('2d'));
    const boxes = (!whole && this.changedBoxes()) || [[0, 0, width, height]];
    for (const box of boxes) this.redraw(box);
    this.holdsShown = true;
    const [left, top, right, bottom] = this.extent(this.next, width, height);
    if (right > left && bottom > top) {
      ctx.drawImage(this.canvas, left, top, right - left, bottom - top, left, top, right - left, bottom - top);
    }
  }

  // Draws `box` of the layer again: what lies below, from the base, then
  // every sprite that reaches it.
  redraw([left, top, right, bottom]) {
    const { layer, next } = this;
    const [width, height] = [right - left, bottom - top];
    layer.save();
    layer.beginPath();
    layer.rect(left, top, width, height);
    layer.clip();
    layer.clearRect(left, top, width, height);
    layer.drawImage(this.base, left, top, width, height, left, top, width, height);
    for (let k = 0; k < next.count; k += 1) {
      const sprite = next.sprites[k];
      const [x, y] = [next.lefts[k], next.tops[k]];
      if (x < right && y < bottom && x + sprite.width > left && y + sprite.height > top) layer.drawImage(sprite, x, y);
    }
    layer.restore();
  }

  // The part of the layer `run` covers, within the canvas.
  extent(run, width, height) {
    let [left, top, right, bottom] = [width, height, 0, 0];
    for (let k = 0; k < run.count; k += 1) {
      left = Math.min(left, run.lefts[k]);
      top = Math.min(top, run.tops[k]);
      right = Math.max(right, run.lefts[k] + run.sprites[k].width);
      bottom = Math.max(bottom, run.tops[k] + run.sprites[k].height);
    }
    return [Math.max(left, 0), Math.max(top, 0), Math.min(right, width), Math.min(bottom, height)];
  }
}

export { SpriteLayer, shortestLayeredRun };
