// SPDX-License-Identifier: GPL-3.0-or-later
// The core's keys in the page. They are heard at the document before the
// focused control (Page Down steps even while the speed bar has the focus),
// except that a one-character key typed into a text box stays a character.

const spelled = { PageDown: 'Page Down', PageUp: 'Page Up' };

// A key press as the core names keys ("Page Down", "R", "+", "F11",
// "Ctrl+O"; ⌘ counts as Ctrl), or null. Shift is ignored, as "+" needs it
// on most keyboards.
function keyName(event) {
  if (event.altKey || event.isComposing) return null;
  const { key } = event;
  const base = spelled[key] ?? (/^(F\d+|[0-9A-Za-z+-])$/.test(key) ? key.toUpperCase() : null);
  if (base === null) return null;
  return event.ctrlKey || event.metaKey ? `Ctrl+${base}` : base;
}

const typingIn = (element) => element instanceof HTMLTextAreaElement ||
  (element instanceof HTMLInputElement && element.type === 'text');

// `table` is the core's list of keys; `obey(key)` does what one asks.
function wire(table, obey) {
  document.addEventListener('keydown', (event) => {
    const name = keyName(event);
    const key = table.find((k) => k.name === name);
    if (!key || (key.typesText && typingIn(document.activeElement))) return;
    // A key of the lessons, even where this program lacks its action:
    // the browser's own F1 or Ctrl+O would take the class away from it.
    event.preventDefault();
    event.stopPropagation();
    if (key.applies) obey(key);
  }, { capture: true });
}

export { keyName, wire };
