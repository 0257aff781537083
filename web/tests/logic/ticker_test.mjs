// SPDX-License-Identifier: GPL-3.0-or-later
// The page's clock: how many timer ticks each animation frame owes.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { TickBudget } from '../../site/js/ticker.js';

// [name, interval (ms), frame times (ms), ticks expected at each].
const clockRows = [
  ['the first frame owes one tick', 10, [1000], [1]],
  ['a 60 Hz frame at 10 ms', 10, [0, 16.7, 33.4, 50], [1, 1, 2, 2]],
  ['the remainder carries over', 30, [0, 20, 40, 60], [1, 0, 1, 1]],
  ['1 ms runs many ticks a frame', 1, [0, 16.5], [1, 16]],
  ['a hidden tab resumes without a burst', 10, [0, 60000, 60016], [1, 20, 1]],
  ['a clock going back owes nothing', 10, [100, 50, 70], [1, 0, 2]],
];

for (const [name, interval, times, expected] of clockRows) {
  test(`clock: ${name}`, () => {
    const budget = new TickBudget();
    assert.deepEqual(times.map((t) => budget.ticksAt(t, interval)), expected);
  });
}
