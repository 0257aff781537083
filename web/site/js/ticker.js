// SPDX-License-Identifier: GPL-3.0-or-later
// How many timer ticks an animation frame owes: as many intervals as have
// passed since the last frame, the remainder carried over. After a long gap
// (a hidden tab, a busy machine) at most `longestGap` ms count, so the
// lesson resumes where it stood instead of racing through a burst, and a
// slow machine drops ticks rather than spend one long task catching up:
// the default is three frames of a 60 Hz screen.

export class TickBudget {
  constructor(longestGap = 50) {
    this.longestGap = longestGap;
    this.last = null;
    this.owed = 0;
  }

  // Ticks due at time `now` (ms) for a timer of `interval` ms; a timer
  // slower than `longestGap` may still owe one interval.
  ticksAt(now, interval) {
    const longest = Math.max(this.longestGap, interval);
    const elapsed = this.last === null ? 0 : Math.min(Math.max(now - this.last, 0), longest);
    this.last = now;
    this.owed = Math.min(this.owed + elapsed, longest);
    const ticks = Math.floor(this.owed / interval);
    this.owed -= ticks * interval;
    return ticks;
  }
}
