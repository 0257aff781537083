// SPDX-License-Identifier: GPL-3.0-or-later
// Replays every recorded session on the core, with the files it loads, one
// program at a time so the table fills as it goes, and leaves the results in
// window.parityResults (also when the core fails half-way, with the reason).
'use strict';

(async () => {
  const body = document.querySelector('#results tbody');
  const results = [];
  const show = (...cells) => {
    const row = body.insertRow();
    for (const text of cells) row.insertCell().textContent = text;
  };
  try {
    const core = await OndelCore();
    const programs = core.programList().map(({ name }) => name);
    // A lesson's recorded session ('lessons/ondel8_measure') is the longest
    // program name its own name starts with.
    const lessons = Object.keys(recordedSessions).filter((key) => key.startsWith('lessons/'));
    const programOf = (key) => {
      const stem = key.slice('lessons/'.length);
      return programs.filter((p) => stem === p || stem.startsWith(`${p}_`)).sort((a, b) => b.length - a.length)[0];
    };
    for (const [name, program] of [...programs.map((p) => [p, p]), ...lessons.map((l) => [l, programOf(l)])]) {
      await new Promise((resolve) => setTimeout(resolve));
      const started = performance.now();
      const { hash, error } = core.sessionHash(program ?? name, recordedSessions[name] ?? '', recordedSessionFiles);
      const milliseconds = Math.round(performance.now() - started);
      results.push({ name, hash, error, milliseconds });
      show(name, hash ?? error, String(milliseconds));
    }
  } catch (error) {
    show('', String(error), '');
    throw error;
  } finally {
    window.parityResults = results;
  }
})();
