// SPDX-License-Identifier: GPL-3.0-or-later
// Form1 rebuilt from the layout the core exports: every control placed at
// its rectangle (in CSS pixels of `twipsPerPixel` twips, relative to its
// frame if it has one), the element that takes its clicks named after it, and its input
// handed to the action the layout binds it to.

import { moveScrollBarByKey } from './scroll_bar.js';

const fontFamily = '"ＭＳ Ｐゴシック", "MS PGothic", "IPAPGothic", sans-serif';
const cssFont = (font) => `${font.weight >= 700 ? 'bold ' : ''}${font.points}pt ${fontFamily}`;

// A caption too wide for its button breaks after a slash or at a
// full-width space ("停止／" over "駒送り"), else wherever it must.
export function captionParts(caption) {
  return caption.split(/(?<=[／/　])/);
}

function buttonCaption(button, caption) {
  captionParts(caption).forEach((part, k) => {
    if (k > 0) button.append(document.createElement('wbr'));
    button.append(part);
  });
}

// Keys move a focused scroll bar; the browser's own moves are kept out.
function scrollBarKeys(bar, changed) {
  bar.addEventListener('keydown', (event) => {
    if (moveScrollBarByKey(bar, event.key, changed)) event.preventDefault();
  });
}

function makeControl(control, input) {
  const { kind, caption, action } = control;
  let element;
  switch (kind) {
    case 'Button':
      element = document.createElement('button');
      element.type = 'button';
      buttonCaption(element, caption);
      element.addEventListener('click', () => input.perform(action));
      break;
    case 'Option': {
      element = document.createElement('label');
      const radio = document.createElement('input');
      radio.type = 'radio';
      radio.name = control.frame || 'Form1';
      radio.checked = control.checked;
      radio.addEventListener('click', () => input.perform(action));
      const text = document.createElement('span');
      text.textContent = caption;
      element.append(radio, text);
      break;
    }
    case 'Frame': {
      element = document.createElement('div');
      element.setAttribute('role', 'group');
      const legend = document.createElement('span');
      legend.className = 'legend';
      legend.textContent = caption;
      element.setAttribute('aria-label', caption);
      element.append(legend);
      break;
    }
    case 'TextBox':
      element = document.createElement('input');
      element.type = 'text';
      element.value = caption;
      element.spellcheck = false;
      element.addEventListener('input', () => input.setText(action, element.value));
      break;
    case 'HScrollBar':
    case 'VScrollBar': {
      element = document.createElement('input');
      element.type = 'range';
      element.min = control.range.minimum;
      element.max = control.range.maximum;
      element.value = control.range.value;
      element.step = 1;
      const changed = (value) => input.setValue(action, value);
      element.addEventListener('input', () => changed(Number(element.value)));
      scrollBarKeys(element, changed);
      break;
    }
    case 'Picture':
      element = document.createElement('canvas');
      element.hidden = true;
      break;
    default:
      element = document.createElement('div');
      element.textContent = caption;
  }
  element.id = control.name;
  // The core's tooltip, naming the button's key: "停止／　駒送り (Page Down)".
  if (control.hint) element.title = control.hint;
  element.className = `control ${kind}`;
  element.style.font = cssFont(control.font);
  return element;
}

// Builds Form1 into `host`, `twipsPerPixel` twips to a CSS pixel. `input`
// takes {perform, setValue, setText}. Returns the window, its frame canvas
// and Picture1's canvas (or null).
function build(layout, host, input, twipsPerPixel) {
  const px = (twips) => `${twips / twipsPerPixel}px`;
  const window1 = document.createElement('div');
  window1.id = 'Form1';
  window1.style.width = px(layout.clientWidth);
  window1.style.height = px(layout.clientHeight);
  window1.style.font = cssFont({ points: 9, weight: 400 });
  const canvas = document.createElement('canvas');
  canvas.className = 'frame';
  canvas.setAttribute('aria-hidden', 'true');
  window1.append(canvas);

  const elements = new Map();
  const controls = [...layout.controls].sort((a, b) => a.tabIndex - b.tabIndex);
  for (const control of controls) {
    const element = makeControl(control, input);
    const { left, top, width, height } = control.rect;
    Object.assign(element.style, { left: px(left), top: px(top), width: px(width), height: px(height) });
    elements.set(control.name, element);
  }
  // In tab order, each in its frame.
  for (const control of controls) {
    (control.frame ? elements.get(control.frame) : window1).append(elements.get(control.name));
  }
  host.append(window1);
  return { window: window1, canvas, picture: elements.get('Picture1') ?? null };
}

export { build, cssFont };
