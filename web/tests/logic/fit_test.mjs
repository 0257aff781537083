// SPDX-License-Identifier: GPL-3.0-or-later
// The size Form1 is shown at: the scale that fits a room, and the size an
// address asks for.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { choiceFromAddress, fittingScale } from '../../site/js/fit.js';

const form = { width: 792, height: 573 };
// [name, room, scale expected].
const fitRows = [
  ['a projector: the height decides', { width: 1904, height: 1010 }, 1.762],
  ['a phone upright: the width decides', { width: 374, height: 600 }, 0.472],
  ['never a pixel too large (cut, not rounded)', { width: 791.9, height: 1000 }, 0.999],
  ['a window with no room still shows the form', { width: -20, height: 300 }, 0.001],
];
for (const [name, room, expected] of fitRows) {
  test(`fit: ${name}`, () => assert.equal(fittingScale(form, room), expected));
}

const steps = [100, 125, 150, 175, 200, 250, 300];
// [name, address query, choice expected].
const addressRows = [
  ['no query fits', '', 'fit'],
  ['a step', '?zoom=100', 100],
  ['a size that is no step fits', '?zoom=130', 'fit'],
  ['words fit', '?zoom=big', 'fit'],
];
for (const [name, query, expected] of addressRows) {
  test(`address: ${name}`, () => assert.equal(choiceFromAddress(query, steps), expected));
}
