// SPDX-License-Identifier: GPL-3.0-or-later
// 計測 in the page: the bar's button (and the key M) shows or hides the
// core's ruler, reference line and stopwatch, and a mouse or a finger on
// the drawing reaches the core, which decides what it grabbed. Only while
// 計測 is on does the drawing keep a finger from scrolling the page.

// A finger held this long before it moves drags the ruler free of the
// particles' places, as Shift or Alt does with a mouse.
const longPressMs = 500;
// Pixels a finger may wander and still be held still.
const stillPixels = 8;

// `canvas`: the frame's canvas; `size`: Form1's client area in twips;
// `repaint()` paints the core's last frame. Returns what the command does.
function wire({ program, canvas, size, repaint }) {
  let press = null;
  const twipsAt = (event) => {
    const box = canvas.getBoundingClientRect();
    return [(event.clientX - box.left) * size.width / box.width, (event.clientY - box.top) * size.height / box.height];
  };
  canvas.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || !program.measureShown()) return;
    const [x, y] = twipsAt(event);
    if (!program.pointerDown(x, y)) return;
    event.preventDefault();
    canvas.setPointerCapture(event.pointerId);
    press = { id: event.pointerId, x: event.clientX, y: event.clientY, at: event.timeStamp, moved: false };
    repaint();
  });
  canvas.addEventListener('pointermove', (event) => {
    if (!press || event.pointerId !== press.id) return;
    if (Math.hypot(event.clientX - press.x, event.clientY - press.y) > stillPixels && !press.moved) {
      press.moved = true;
      press.long = event.pointerType !== 'mouse' && event.timeStamp - press.at >= longPressMs;
    }
    const [x, y] = twipsAt(event);
    if (program.pointerMove(x, y, event.shiftKey || event.altKey || Boolean(press.long))) repaint();
  });
  const release = (event) => {
    if (!press || event.pointerId !== press.id) return;
    press = null;
    program.pointerUp();
  };
  canvas.addEventListener('pointerup', release);
  canvas.addEventListener('pointercancel', release);

  const follow = (button, command) => {
    const shown = program.measureShown();
    if (button) {
      button.textContent = shown ? command.captionWhileOn : command.caption;
      button.setAttribute('aria-pressed', String(shown));
    }
    canvas.style.touchAction = shown ? 'none' : '';
  };
  return {
    toggle(button, command) {
      program.toggleMeasure();
      follow(button, command);
      repaint();
    },
  };
}

export { wire };
