// SPDX-License-Identifier: GPL-3.0-or-later
// One program in the page (program.html#ondel8): Form1 built from the
// core's layout, the teacher's input handed to the core, the timer run from
// animation frames, and each frame painted from the core's drawing.

import * as bar from './bar.js';
import { loadCore, loadShippedFiles } from './core_loader.js';
import * as drawing from './drawing.js';
import * as fit from './fit.js';
import * as form from './form.js';
import * as keys from './keys.js';
import * as measure from './measure.js';
import { keepSiteOffline } from './offline.js';
import * as pulseFiles from './pulse_files.js';
import * as saving from './saving.js';
import * as scrollBar from './scroll_bar.js';
import { TickBudget } from './ticker.js';
import { nextTask } from './tasks.js';

// How long the program's picture stays in the page, unseen, once the form
// shows: a browser still timing that picture's paint forgets a picture
// removed before it is done.
const pictureKeptMs = 1000;

// The built page shown at once in place of the program's picture (and
// shown whatever went wrong, never left unseen).
function reveal() {
  document.body.classList.remove('loading');
  setTimeout(() => document.getElementById('placeholder')?.remove(), pictureKeptMs);
}

(async () => {
  const name = decodeURIComponent(location.hash.slice(1)) || 'ondel8';
  addEventListener('hashchange', () => location.reload());
  const status = document.getElementById('status');
  const say = (text) => {
    status.textContent = text;
    status.hidden = false;
    reveal();
  };
  const core = await loadCore().catch((error) => say(error.message));
  if (!core) return;
  // The page starts in tasks short enough not to stall a slow machine:
  // the module set up; the program opened; the form built; its commands
  // and keys wired; the form fitted; the first tick drawn.
  await nextTask();
  const program = core.openProgram(name);
  if (!program) {
    say(`「${name}」というプログラムはありません。`);
    return;
  }
  const layout = program.layout();
  await nextTask();
  document.title = `${name} — ondel_nami`;
  document.getElementById('program-name').textContent = name;
  document.getElementById('program-summary').textContent = layout.summaryJa;

  const messages = document.getElementById('messages');
  const messageText = document.getElementById('message-text');
  // A file that could not be read: the teacher is told, the lesson goes on
  // (the dialog stops no animation frame).
  function tell(message) {
    messageText.textContent = messages.open ? `${messageText.textContent}\n\n${message}` : message;
    if (!messages.open) messages.showModal();
  }
  function showMessage() {
    const message = program.takeMessage();
    if (message !== null) tell(message);
  }

  let picturePainter = null;
  let syncTools = () => {};
  // While the shipped pulse files are still coming, 実行/再実行 waits for them.
  let shippedFiles = null;
  const input = {
    perform(action) {
      const deed = () => {
        program.perform(action);
        afterInput();
        showChangedFrame(); // the stopwatch's keys show at once
      };
      if (shippedFiles && action === core.loadPulseAction) shippedFiles.then(deed);
      else deed();
    },
    setValue(action, value) {
      program.setValue(action, value);
      afterInput();
    },
    setText(action, text) {
      program.setText(action, text);
    },
  };
  // The rules the canvases are painted by, the desktop's too.
  const contract = core.painterContract();
  const { twipsPerPixel } = contract;
  const stage = document.getElementById('stage');
  const holder = Object.assign(document.createElement('div'), { id: 'form-fit' });
  stage.append(holder);
  const built = form.build(layout, holder, input, twipsPerPixel);
  // The frame's texts (the annotations' labels) in the core's font for them.
  const framePainter = new drawing.SurfacePainter(built.canvas, contract, {
    font: form.cssFont(layout.frameTextFont),
  });
  // For the tests and the benchmark page: the program (its clock) and the
  // window's painting of its last frame.
  window.ondelPage = { program, repaint: () => framePainter.replay(program.frame()) };
  const pictureControl = layout.controls.find((c) => c.name === 'Picture1');
  if (built.picture) {
    picturePainter = new drawing.SurfacePainter(built.picture, contract, {
      antialiased: false,
      font: form.cssFont(pictureControl.font),
    });
  }

  // The device pixel ratio the canvases are drawn at, and the scale Form1
  // is shown at: each canvas has a device pixel for every one it covers.
  let shownRatio = null;
  let formScale = 1;
  // The drawing on the canvas: the last frame the core gave as changed.
  let shownFrame = null;
  function fitToScreen() {
    const scale = (devicePixelRatio || 1) * formScale;
    shownRatio = devicePixelRatio;
    framePainter.resize(layout.clientWidth / twipsPerPixel, layout.clientHeight / twipsPerPixel, scale);
    if (picturePainter) {
      const { width, height } = pictureControl.rect;
      picturePainter.resize(width / twipsPerPixel, height / twipsPerPixel, scale);
    }
    shownFrame = program.changedFrame() ?? shownFrame;
    framePainter.replay(shownFrame);
  }

  // The core's frame painted when it differs from the one shown.
  function showChangedFrame() {
    const frame = program.changedFrame();
    if (frame) {
      framePainter.replay(frame);
      shownFrame = frame;
    }
  }

  // Texts drawn before the form's font came are drawn again in it.
  document.fonts?.addEventListener('loadingdone', () => shownFrame && framePainter.replay(shownFrame));

  // Picture1 keeps every drawing it is given, in order, and shows while the
  // y-t trace is on. Its `hidden` is set only when it changes: setting it
  // again to the same value still costs the page a style pass every tick.
  function drawPicture() {
    const ops = program.takePicture();
    if (picturePainter) {
      picturePainter.replay(ops);
      const hidden = !program.pictureVisible();
      if (built.picture.hidden !== hidden) built.picture.hidden = hidden;
    }
  }

  // Where the rows start hidden, the first hint says what to press; it
  // goes once a row shows, its line kept so that Form1 does not move.
  const hint = document.getElementById('first-hint');
  const rowShown = () => {
    const state = program.windowState();
    return state.transverseShown || state.longitudinalShown;
  };
  if (!rowShown()) {
    hint.textContent = program.firstHint();
    hint.hidden = false;
  }

  function afterInput() {
    if (!hint.hidden && rowShown()) hint.classList.add('done');
    drawPicture();
    showMessage();
    syncTools();
  }
  await nextTask();

  // The window's commands, the same deed from the bar's button and from the key.
  const table = program.commands();
  const speedControl = layout.controls.find((c) => c.action === core.speedAction);
  const stepSpeed = (pages) => scrollBar.moveScrollBar(document.getElementById(speedControl.name),
    pages * scrollBar.pageStep, (value) => input.setValue(core.speedAction, value));
  const windowCommands = bar.windowDeeds(program, table);
  const measuring = measure.wire({
    program,
    canvas: built.canvas,
    size: { width: layout.clientWidth, height: layout.clientHeight },
    repaint: showChangedFrame,
  });
  let barElements = {};
  const deeds = {
    ...windowCommands.deeds,
    ...saving.wire({
      program,
      layout,
      picture: built.picture && {
        canvas: built.picture,
        rect: pictureControl.rect,
        font: form.cssFont(pictureControl.font),
      },
      frameFont: form.cssFont(layout.frameTextFont),
      contract,
      tell,
      commands: table,
      imageScale: core.savedImageScale,
    }),
    OpenFile: () => document.getElementById('file-input')?.click(),
    Faster: () => stepSpeed(-1), // a shorter interval
    Slower: () => stepSpeed(1),
    Measure: () => measuring.toggle(barElements.Measure, table.find((c) => c.name === 'Measure')),
  };
  barElements = bar.commandBar(table, deeds);
  windowCommands.follow(barElements);
  syncTools = bar.lessonTools(program, core, input);

  // A chosen file loads as "実行/再実行" loads a typed name, and its name box
  // shows its name. A program that loads no files has no file input, and a
  // dropped file is refused.
  const nameBox = layout.controls.find((c) => c.action === core.pulseFileNameAction);
  pulseFiles.offer({
    input: document.getElementById('file-input'),
    enabled: program.loadsPulseFiles(),
    limit: core.maxPulseFileBytes + 1,
    open(bytes, fileName) {
      if (program.openPulseData(bytes, fileName) && nameBox) {
        document.getElementById(nameBox.name).value = program.pulseFileName();
      }
      afterInput();
    },
    refuse: tell,
  });

  // The core's keys: a control's action as its click, else a window command.
  keys.wire(program.keys(), (key) => (key.action >= 0 ? input.perform(key.action) : deeds[key.command]()));
  await nextTask();

  const budget = new TickBudget();
  // The timer's ticks owed at `now`, run, and their frame painted.
  function tickAt(now) {
    const ticks = budget.ticksAt(now, program.timerInterval());
    if (ticks > 0) {
      program.tick(ticks);
      drawPicture();
      showChangedFrame();
    }
  }
  function animate(now) {
    // Sharp again when the window moves to a screen of another density or
    // the page is zoomed: the ratio is read every frame, as not every
    // browser reports its change as a media query's.
    if (devicePixelRatio !== shownRatio) fitToScreen();
    tickAt(now);
    requestAnimationFrame(animate);
  }

  fit.wire({
    form: { element: built.window, width: layout.clientWidth / twipsPerPixel,
      height: layout.clientHeight / twipsPerPixel },
    holder,
    bar: document.getElementById('bar'),
    select: document.getElementById('zoom-choice'),
    steps: core.zoomSteps(),
    scaled(scale) {
      formScale = scale;
      fitToScreen();
    },
  });
  await nextTask();
  // The timer's first tick drawn while the form is unseen, and the form
  // shown with it in a task of its own.
  tickAt(performance.now());
  await nextTask();
  reveal();
  // The form is shown with its first frame (for the benchmarks).
  performance.mark('ondel-first-frame');
  requestAnimationFrame(animate);
  // Whatever came of them, 実行/再実行 waits no longer.
  const filesCame = () => {
    shippedFiles = null;
    keepSiteOffline();
  };
  shippedFiles = loadShippedFiles(core).then(filesCame, filesCame);
})().catch((error) => {
  reveal();
  throw error;
});
