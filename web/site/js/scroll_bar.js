// SPDX-License-Identifier: GPL-3.0-or-later
// The scroll bars of Form1 (range inputs) moved as the desktop's
// QScrollBar moves: by a step, by a page, or to an end, never past it.

// A page of a scroll bar, as the desktop's QScrollBar keeps it.
export const pageStep = 10;

// The keys that move a focused scroll bar: a step with the arrows, to an
// end with Home/End (Page Up and Page Down are the core's keys).
const keyMoves = new Map([
  ['ArrowLeft', -1], ['ArrowUp', -1], ['ArrowRight', 1], ['ArrowDown', 1], ['Home', -Infinity], ['End', Infinity],
]);

// Moves a scroll bar by `delta` within its range; `changed(value)` hears a new value.
export function moveScrollBar(bar, delta, changed) {
  const value = Math.min(Math.max(Number(bar.value) + delta, Number(bar.min)), Number(bar.max));
  if (value === Number(bar.value)) return;
  bar.value = String(value);
  changed(value);
}

// Moves `bar` as the key named `key` asks; false for a key that moves no scroll bar.
export function moveScrollBarByKey(bar, key, changed) {
  const delta = keyMoves.get(key);
  if (delta === undefined) return false;
  moveScrollBar(bar, delta, changed);
  return true;
}
