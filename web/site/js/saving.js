// SPDX-License-Identifier: GPL-3.0-or-later
// What the teacher keeps for worksheets, as downloads: the pulse drawn with
// ondel10's slide bar, a picture of Form1's drawing with Picture1 and
// without the controls, and the readings as a table. The core makes the
// files' contents and names them.

import * as drawing from './drawing.js';
import { makeMovie } from './movie.js';

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
function windowImage(program, layout, picture, contract, imageScale) {
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

// `picture`: {canvas, rect, font} of Picture1, or null; `frameFont` the
// CSS font of the frame's texts; `contract`: the core's
// painterContract(); `tell(message)` shows a message; `commands` the core's table, whose file names the downloads
// take; `imageScale` the picture's pixels to the window's one. Returns the
// commands' deeds {SavePulse, SaveImage, SaveMovie, SaveData}.
function wire({ program, layout, picture, frameFont, contract, tell, commands, imageScale }) {
  const fileName = Object.fromEntries(commands.map((c) => [c.name, c.fileName]));
  const SavePulse = () => {
    const file = program.drawnPulseFile();
    if (file.bytes === null) {
      tell(file.message);
      return;
    }
    download(csv(file.bytes), fileName.SavePulse);
    if (file.message) tell(file.message);
  };
  const SaveImage = async () =>
    download(await windowImage(program, layout, picture, contract, imageScale), fileName.SaveImage);
  const SaveMovie = () =>
    makeMovie({
      program,
      layout,
      contract,
      picture,
      frameFont,
      tell,
      deliver: (gif) => download(gif, fileName.SaveMovie),
    });
  const SaveData = () => download(csv(program.readingsFile().bytes), fileName.SaveData);
  return { SavePulse, SaveImage, SaveMovie, SaveData };
}

export { wire };
