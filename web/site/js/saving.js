// SPDX-License-Identifier: GPL-3.0-or-later
// What the teacher keeps for worksheets, as downloads: the pulse drawn with
// ondel10's slide bar ("パルスを保存", Ctrl+S), a picture of Form1's drawing
// with Picture1 and without the controls ("画像を保存", Ctrl+E) and the
// readings as a table ("データを保存"). The core makes the files' contents.

import * as drawing from './drawing.js';

// A picture for a worksheet has twice the pixels of the window.
const imageScale = 2;

function download(blob, name) {
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = name;
  document.body.append(link);
  link.click();
  link.remove();
  // Long enough for the browser to have taken the file.
  setTimeout(() => URL.revokeObjectURL(link.href), 60000);
}

const csv = (text) => new Blob([text], { type: 'text/csv' });

// The last frame replayed at twice the size, and Picture1 over it where shown.
function windowImage(program, layout, picture, contract) {
  const canvas = document.createElement('canvas');
  const painter = new drawing.SurfacePainter(canvas, contract);
  const { twipsPerPixel } = contract;
  painter.resize(layout.clientWidth / twipsPerPixel, layout.clientHeight / twipsPerPixel, imageScale);
  painter.replay(program.frame());
  if (picture && program.pictureVisible()) {
    const [x, y, w, h] = ['left', 'top', 'width', 'height']
      .map((side) => Math.round(picture.rect[side] / twipsPerPixel) * imageScale);
    const ctx = canvas.getContext('2d');
    ctx.drawImage(picture.canvas, x, y, w, h);
    ctx.strokeStyle = 'black';
    ctx.lineWidth = imageScale;
    ctx.strokeRect(x + imageScale / 2, y + imageScale / 2, w - imageScale, h - imageScale);
  }
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}

// `picture`: {canvas, rect} of Picture1, or null; `contract`: the core's
// painterContract(); `tell(message)` shows a message. Returns the key
// commands {SavePulse, SaveImage}.
function wire({ program, layout, picture, contract, tell }) {
  const savePulse = () => {
    const file = program.drawnPulseFile();
    if (file.bytes === null) {
      tell(file.message);
      return;
    }
    download(csv(file.bytes), 'pulse_drawn.csv');
    if (file.message) tell(file.message);
  };
  const saveImage = async () => download(await windowImage(program, layout, picture, contract), `${layout.name}.png`);
  const saveData = () => download(csv(program.readingsFile().bytes), `${layout.name}_data.csv`);

  const pulseButton = document.getElementById('save-pulse');
  pulseButton.hidden = !program.drawsPulse();
  pulseButton.addEventListener('click', savePulse);
  document.getElementById('save-image').addEventListener('click', saveImage);
  document.getElementById('save-data').addEventListener('click', saveData);
  return { SavePulse: savePulse, SaveImage: saveImage };
}

export { wire };
