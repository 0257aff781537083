// SPDX-License-Identifier: GPL-3.0-or-later
// Form1's scroll bars moved by keys and by pages, as the desktop moves them,
// and its button captions broken where a line may break.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { captionParts } from '../../site/js/form.js';
import { moveScrollBar, moveScrollBarByKey, pageStep } from '../../site/js/scroll_bar.js';

// [row, value before, how it moves, value after (null: unchanged, nobody told)].
const moveRows = [
  ['Home goes to the start', 50, 'Home', 1],
  ['End goes to the end', 50, 'End', 200],
  ['the right arrow steps up', 50, 'ArrowRight', 51],
  ['the down arrow steps up', 50, 'ArrowDown', 51],
  ['the left arrow steps down', 50, 'ArrowLeft', 49],
  ['the up arrow steps down', 50, 'ArrowUp', 49],
  ['no step past the end', 200, 'ArrowRight', null],
  ['no step before the start', 1, 'Home', null],
  ['a page is ten steps', 50, pageStep, 60],
  ['a page stops at the end', 195, pageStep, 200],
  ['a page back stops at the start', 5, -pageStep, 1],
];

test('scroll bar moves', async (t) => {
  for (const [row, before, move, after] of moveRows) {
    await t.test(row, () => {
      const bar = { value: String(before), min: '1', max: '200' };
      const heard = [];
      const tell = (value) => heard.push(value);
      // A key of the bar is taken even where it cannot move it.
      if (typeof move === 'string') assert.equal(moveScrollBarByKey(bar, move, tell), true);
      else moveScrollBar(bar, move, tell);
      assert.deepEqual(heard, after === null ? [] : [after]);
      assert.equal(bar.value, String(after ?? before));
    });
  }
});

test('a key that moves no scroll bar is left to others', () => {
  const bar = { value: '50', min: '1', max: '200' };
  assert.equal(moveScrollBarByKey(bar, 'PageDown', () => assert.fail('moved')), false);
  assert.equal(bar.value, '50');
});

// [caption, the parts between which it may break].
const captionRows = [
  ['停止／駒送り', ['停止／', '駒送り']],
  ['再開／停止', ['再開／', '停止']],
  ['自由固定　無反射', ['自由固定　', '無反射']],
  ['y-x線', ['y-x線']],
];

test('button captions break after a slash or a full-width space', () => {
  for (const [caption, parts] of captionRows) assert.deepEqual(captionParts(caption), parts, caption);
});
