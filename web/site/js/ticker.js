// SPDX-License-Identifier: GPL-3.0-or-later
// How many timer ticks an animation frame owes: as many intervals as have
// passed since the last frame, the remainder carried over. After a long gap
// (a hidden tab, a busy machine) at most `longestGap` ms count, so the
// lesson resumes where it stood instead of racing through a burst. The
// first frame owes one tick, as the timer starts with the page: the form
// shows its first picture at once, not a frame later.

export class TickBudget {
  constructor(longestGap = 200) {
    this.longestGap = longestGap;
    this.last = null;
    this.owed = 0;
  }

  // Ticks due at time `now` (ms) for a timer of `interval` ms.
  ticksAt(now, interval) {
    const first = this.last === null;
    const elapsed = first ? 0 : Math.min(Math.max(now - this.last, 0), this.longestGap);
    this.last = now;
    if (first) return 1;
    this.owed = Math.min(this.owed + elapsed, this.longestGap);
    const ticks = Math.floor(this.owed / interval);
    this.owed -= ticks * interval;
    return ticks;
  }
}
