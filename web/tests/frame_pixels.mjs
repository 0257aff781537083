// SPDX-License-Identifier: GPL-3.0-or-later
// Run in the page (page.evaluate): pixels of particle 1's green on the
// window's canvas, which a shown row has and a hidden one lacks.
export function greenPixels() {
  const canvas = document.querySelector('#Form1 canvas.frame');
  const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  let count = 0;
  for (let i = 0; i < data.length; i += 4) count += data[i] === 0 && data[i + 1] === 255 && data[i + 2] === 0;
  return count;
}
