// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the program page as a class sees it (program.html in the frame
// below, same origin): ticks per second at the 10 ms and the 1 ms speed,
// the time to paint the busiest frame, and the longest main-thread task;
// ?size=1920x1080 gives the frame a projector's size (Form1 fitted to it),
// ?zoom=100 shows Form1 at 100% whatever the frame's size.
// The figures go into the table and window.benchResults.

(async () => {
  const query = new URLSearchParams(location.search);
  const seconds = Number(query.get('seconds')) || 10;
  const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
  const frame = document.getElementById('program');
  const size = /^(\d+)x(\d+)$/.exec(query.get('size') ?? '');
  if (size) [, frame.width, frame.height] = size;
  const zoom = query.get('zoom');
  frame.src = `program.html${zoom ? `?zoom=${encodeURIComponent(zoom)}` : ''}#ondel8`;
  const body = document.querySelector('#results tbody');
  const show = (...cells) => {
    const row = body.insertRow();
    for (const text of cells) row.insertCell().textContent = text;
  };

  // Ready once the first ticked frame is painted.
  const painted = () => frame.contentWindow?.performance.getEntriesByName('ondel-first-frame').length > 0;
  while (!frame.contentWindow?.ondelPage || !frame.contentDocument.getElementById('Command1') || !painted()) {
    await sleep(50);
  }
  const win = frame.contentWindow;
  const doc = frame.contentDocument;
  const { program } = win.ondelPage;

  // Long tasks are reported only where the browser knows them.
  let longestTask = null;
  if (win.PerformanceObserver.supportedEntryTypes?.includes('longtask')) {
    longestTask = 0;
    new win.PerformanceObserver((list) => {
      for (const entry of list.getEntries()) longestTask = Math.max(longestTask, entry.duration);
    }).observe({ type: 'longtask' });
  }

  // The busiest picture: the pulses loaded onto the row, both rows and the
  // trace on (the three y-x curves are from the start).
  for (const caption of ['実行/再実行', '横波', '縦波', 'y-t線']) {
    [...doc.querySelectorAll('#Form1 button')].find((b) => b.textContent === caption).click();
  }

  let ticks = 0;
  const tick = program.tick.bind(program);
  program.tick = (count) => {
    ticks += count;
    tick(count);
  };

  // The window's last frame (the busiest one) painted again every fifth of
  // a second: the drawing calls alone, what a frame costs the page, and
  // with the pixels read back, the drawing really done. The median of each
  // is the figure; a loaded machine's worst moment says little. Where the
  // clock counts whole milliseconds (Firefox, WebKit) each sample is a batch
  // of paints, so that the figure is still finer than that; elsewhere one
  // paint, so that no sample is itself a long task.
  // The same frame painted again costs the painter less than the next one
  // (what did not move is kept), so a third figure is a tick and its frame
  // painted, as the window does it.
  const canvas = doc.querySelector('#Form1 canvas.frame');
  const { repaint } = win.ondelPage;
  repaint();
  const paints = [];
  const readBacks = [];
  const moving = [];
  const coarseClockMs = 0.5;
  // The clock's step: the least change seen while it moves on thrice.
  let step = Infinity;
  const clockWatchMs = 250;
  const watchEnd = Date.now() + clockWatchMs;
  for (let last = performance.now(), changes = 0; changes < 3 && Date.now() < watchEnd;) {
    const now = performance.now();
    if (now > last) {
      step = Math.min(step, now - last);
      changes += 1;
      last = now;
    }
  }
  const paintsPerSample = step >= coarseClockMs ? 20 : 1;
  const sampler = setInterval(() => {
    const started = performance.now();
    for (let k = 0; k < paintsPerSample; k += 1) repaint();
    const painted = performance.now();
    for (let k = 0; k < paintsPerSample; k += 1) {
      repaint();
      canvas.getContext('2d').getImageData(0, 0, 1, 1);
    }
    const readBack = performance.now();
    for (let k = 0; k < paintsPerSample; k += 1) {
      tick(1);
      repaint();
    }
    paints.push((painted - started) / paintsPerSample);
    readBacks.push((readBack - painted) / paintsPerSample);
    moving.push((performance.now() - readBack) / paintsPerSample);
  }, 200);
  const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

  async function ticksPerSecond(interval) {
    const bar = doc.getElementById('HScroll1');
    bar.value = String(interval);
    bar.dispatchEvent(new Event('input'));
    await sleep(500);
    ticks = 0;
    const started = performance.now();
    await sleep(seconds * 1000);
    return (ticks * 1000) / (performance.now() - started);
  }

  const form1 = doc.getElementById('Form1');
  const results = { seconds, formScale: form1.getBoundingClientRect().width / form1.offsetWidth };
  // From the page's navigation to its first frame painted, as the page marks it.
  const firstFrame = win.performance.getEntriesByName('ondel-first-frame')[0];
  results.firstFrameMs = firstFrame ? firstFrame.startTime : null;
  results.ticksPerSecondAt10ms = await ticksPerSecond(10);
  results.ticksPerSecondAt1ms = await ticksPerSecond(1);
  clearInterval(sampler);
  results.busiestPaintMs = median(paints);
  results.busiestPaintReadBackMs = median(readBacks);
  results.tickAndPaintMs = median(moving);
  results.clockStepMs = Number.isFinite(step) ? step : null;
  results.longestTaskMs = longestTask;

  show('Form1 shown at (%)', (100 * results.formScale).toFixed(1), '');
  show('first frame (ms from navigation)', results.firstFrameMs?.toFixed(0) ?? '—', '≤ 300');
  show('10 ms: ticks/s', results.ticksPerSecondAt10ms.toFixed(1), '100 ± 3');
  show('1 ms: ticks/s', results.ticksPerSecondAt1ms.toFixed(1), '≥ 950');
  show('busiest frame painted (ms)', results.busiestPaintMs.toFixed(2), '< 1');
  show('… with its pixels read back (ms)', results.busiestPaintReadBackMs.toFixed(2), '');
  show('a tick and its frame painted (ms)', results.tickAndPaintMs.toFixed(2), '< 1');
  show('the clock\'s step (ms)', results.clockStepMs?.toFixed(3) ?? '—', '');
  const taskText = { null: 'not reported by this browser', 0: 'none over 50' }[longestTask] ?? longestTask.toFixed(0);
  show('longest task (ms)', taskText, '≤ 50');
  window.benchResults = results;
})();
