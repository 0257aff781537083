// SPDX-License-Identifier: GPL-3.0-or-later
// One program in the page (program.html#ondel8): Form1 built from the
// core's layout, the teacher's input handed to the core, the timer run from
// animation frames, and each frame painted from the core's drawing.

import * as bar from './bar.js';
import { loadCore } from './core_loader.js';
import * as drawing from './drawing.js';
import * as form from './form.js';
import * as keys from './keys.js';
import './offline.js';
import * as pulseFiles from './pulse_files.js';
import * as saving from './saving.js';
import * as scrollBar from './scroll_bar.js';
import { TickBudget } from './ticker.js';

(async () => {
  const name = decodeURIComponent(location.hash.slice(1)) || 'ondel8';
  addEventListener('hashchange', () => location.reload());
  const status = document.getElementById('status');
  const core = await loadCore();
  const program = core.openProgram(name);
  if (!program) {
    status.textContent = `「${name}」というプログラムはありません。`;
    status.hidden = false;
    return;
  }
  const layout = program.layout();
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
  const input = {
    perform(action) {
      program.perform(action);
      afterInput();
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
  const built = form.build(layout, document.getElementById('stage'), input, twipsPerPixel);
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

  // The device pixel ratio the canvases are drawn at.
  let shownRatio = null;
  function fitToScreen() {
    const scale = devicePixelRatio || 1;
    shownRatio = devicePixelRatio;
    framePainter.resize(layout.clientWidth / twipsPerPixel, layout.clientHeight / twipsPerPixel, scale);
    if (picturePainter) {
      const { width, height } = pictureControl.rect;
      picturePainter.resize(width / twipsPerPixel, height / twipsPerPixel, scale);
    }
    framePainter.replay(program.frame());
  }

  // Picture1 keeps every drawing it is given, in order, and shows while the
  // y-t trace is on.
  function drawPicture() {
    const ops = program.takePicture();
    if (picturePainter) {
      picturePainter.replay(ops);
      built.picture.hidden = !program.pictureVisible();
    }
  }

  function afterInput() {
    drawPicture();
    showMessage();
    syncTools();
  }

  // A chosen file loads as "実行/再実行" loads a typed name, and its name box shows its name.
  const loadsFiles = program.loadsPulseFiles();
  const nameBox = layout.controls.find((c) => c.action === core.pulseFileNameAction);
  document.getElementById('open-file').hidden = !loadsFiles;
  pulseFiles.offer({
    input: document.getElementById('file-input'),
    enabled: loadsFiles,
    limit: core.maxPulseFileBytes + 1,
    open(bytes, fileName) {
      if (program.openPulseData(bytes, fileName) && nameBox) {
        document.getElementById(nameBox.name).value = program.pulseFileName();
      }
      afterInput();
    },
    refuse: tell,
  });
  const shown = bar.wire(program);
  const saves = saving.wire({
    program,
    layout,
    picture: built.picture && { canvas: built.picture, rect: pictureControl.rect },
    contract,
    tell,
  });
  syncTools = bar.lessonTools(program, core, input);

  // The core's keys: a control's action as its click, else a window command.
  const speedControl = layout.controls.find((c) => c.action === core.speedAction);
  const stepSpeed = (pages) => scrollBar.moveScrollBar(document.getElementById(speedControl.name),
    pages * scrollBar.pageStep, (value) => input.setValue(core.speedAction, value));
  const commands = {
    Help: shown.help,
    FullScreen: shown.fullScreen,
    OpenFile: () => document.getElementById('file-input').click(),
    Faster: () => stepSpeed(-1), // a shorter interval
    Slower: () => stepSpeed(1),
    ...saves,
  };
  keys.wire(program.keys(), (key) => (key.action >= 0 ? input.perform(key.action) : commands[key.command]()));

  const budget = new TickBudget();
  function animate(now) {
    // Sharp again when the window moves to a screen of another density or
    // the page is zoomed: the ratio is read every frame, as not every
    // browser reports its change as a media query's.
    if (devicePixelRatio !== shownRatio) fitToScreen();
    const ticks = budget.ticksAt(now, program.timerInterval());
    if (ticks > 0) {
      program.tick(ticks);
      drawPicture();
      framePainter.replay(program.frame());
    }
    requestAnimationFrame(animate);
  }

  fitToScreen();
  performance.mark('ondel-first-frame'); // for the benchmark page
  requestAnimationFrame(animate);
})();
