// SPDX-License-Identifier: GPL-3.0-or-later
// Key presses named as the core names its keys.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { keyName } from '../../site/js/keys.js';

// [row, what the browser reports of the press, the name expected (null: no key of the core)].
const nameRows = [
  ['Page Down is spelt out', { key: 'PageDown' }, 'Page Down'],
  ['Page Up is spelt out', { key: 'PageUp' }, 'Page Up'],
  ['a letter is its capital', { key: 'r' }, 'R'],
  ['a shifted letter too', { key: 'R', shiftKey: true }, 'R'],
  ['plus, whatever Shift it took', { key: '+', shiftKey: true }, '+'],
  ['a digit', { key: '1' }, '1'],
  ['a function key', { key: 'F11' }, 'F11'],
  ['Ctrl with a letter', { key: 'o', ctrlKey: true }, 'Ctrl+O'],
  ['⌘ counts as Ctrl', { key: 's', metaKey: true }, 'Ctrl+S'],
  ['Alt takes the press away', { key: 'r', altKey: true }, null],
  ['a press that composes Japanese', { key: 'a', isComposing: true }, null],
  ['a key the core has no name for', { key: 'Enter' }, null],
  ['a character outside the names', { key: 'あ' }, null],
];

test('key names', async (t) => {
  for (const [row, event, expected] of nameRows) {
    await t.test(row, () => assert.equal(keyName(event), expected));
  }
});
