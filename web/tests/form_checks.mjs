// SPDX-License-Identifier: GPL-3.0-or-later
// Checks run inside a program's page (passed to an engine's evaluate, so
// each function stands alone): where the controls are, whether a text box
// clips its text, whether the form's own font arrived.

// Every control whose box is not its layout rectangle (in CSS pixels from
// Form1's corner, within half a pixel, at whatever scale Form1 is shown),
// as text.
export async function misplacedControls(name) {
  const core = await OndelCore();
  const opened = core.openProgram(name);
  const { controls, clientWidth } = opened.layout();
  opened.delete();
  const form1 = document.getElementById('Form1').getBoundingClientRect();
  const scale = form1.width / (clientWidth / 15);
  const frames = new Map(controls.map((c) => [c.name, c.rect]));
  const wrong = [];
  for (const c of controls) {
    const element = document.getElementById(c.name);
    if (!element) {
      wrong.push(`${c.name} missing`);
      continue;
    }
    const hidden = element.hidden;
    element.hidden = false;
    const box = element.getBoundingClientRect();
    element.hidden = hidden;
    const frame = c.frame ? frames.get(c.frame) : { left: 0, top: 0 };
    const want = [frame.left + c.rect.left, frame.top + c.rect.top, c.rect.width, c.rect.height].map((t) => t / 15);
    const got = [box.left - form1.left, box.top - form1.top, box.width, box.height].map((v) => v / scale);
    if (got.some((v, k) => Math.abs(v - want[k]) > 0.5)) wrong.push(`${c.name} at ${got} instead of ${want}`);
  }
  return { count: controls.length, scale, wrong };
}

// Every text box of Form1 whose text does not fit: the engine scrolls it
// (its own measure, rounding included), or the text, set in the box's font,
// is wider than the room inside the box's border and padding.
export function clippedTextBoxes() {
  const wrong = [];
  for (const box of document.querySelectorAll('#Form1 input[type="text"]')) {
    const style = getComputedStyle(box);
    const probe = document.createElement('span');
    for (const property of ['fontStyle', 'fontWeight', 'fontSize', 'fontFamily', 'letterSpacing']) {
      probe.style[property] = style[property];
    }
    Object.assign(probe.style, { position: 'absolute', whiteSpace: 'pre', visibility: 'hidden' });
    probe.textContent = box.value;
    box.parentElement.append(probe);
    const text = probe.getBoundingClientRect().width;
    probe.remove();
    const width = parseFloat(style.width);
    const edges = ['borderLeftWidth', 'borderRightWidth', 'paddingLeft', 'paddingRight']
      .reduce((sum, property) => sum + parseFloat(style[property]), 0);
    const room = (width - edges) * (box.getBoundingClientRect().width / width);
    if (box.scrollWidth > box.clientWidth || text > room) {
      wrong.push(`${box.id} "${box.value}": ${text.toFixed(1)} px of text in ${room.toFixed(1)} px, ` +
        `scrolls ${box.scrollWidth} in ${box.clientWidth}`);
    }
  }
  return wrong;
}

// The state of the form's own font once the page's fonts have settled.
export async function formFontStatus() {
  await document.fonts.ready;
  const face = [...document.fonts].find((f) => f.family.replace(/"/g, '') === 'Ondel P Gothic');
  return face ? face.status : 'absent';
}

// A hash of the window's canvas, and the clock.
export function frameState() {
  const canvas = document.querySelector('#Form1 canvas.frame');
  const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
  let hash = 0;
  for (let i = 0; i < data.length; i += 4) hash = (hash * 31 + data[i] + data[i + 1] * 7 + data[i + 2] * 13) >>> 0;
  return { hash, time: window.ondelPage.program.timeIndex() };
}

// The text a program's page shows: its bar, Form1, the choices of its
// lists, and its help and about texts.
export function shownText() {
  const { program } = window.ondelPage;
  const options = [...document.querySelectorAll('option')].map((option) => option.text);
  return [document.body.innerText, program.helpText(), program.aboutText(), ...options].join('\n');
}
