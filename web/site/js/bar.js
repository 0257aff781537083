// SPDX-License-Identifier: GPL-3.0-or-later
// The bar above Form1: what the browser needs and the desktop window does
// not (the file button is wired by pulse_files.js). Help shows the core's
// help and about texts, as the desktop's help does.

// The help of one program as elements.
function helpContent(program) {
  return [program.helpText(), program.aboutText()].map((text) => {
    const paragraph = document.createElement('p');
    paragraph.textContent = text;
    return paragraph;
  });
}

// Full screen shows the bar and Form1 (`container`); the same button leaves it.
function fullScreenSwitch(button, container) {
  if (!document.fullscreenEnabled) return () => {};
  button.hidden = false;
  const toggle = () => (document.fullscreenElement ? document.exitFullscreen() : container.requestFullscreen());
  button.addEventListener('click', toggle);
  document.addEventListener('fullscreenchange', () => {
    button.textContent = document.fullscreenElement ? '全画面を終える' : '全画面';
  });
  return toggle;
}

// Returns {help, fullScreen}, for the keys F1 and F11.
function wire(program) {
  const dialog = document.getElementById('help');
  const help = () => {
    if (dialog.open) return;
    dialog.querySelector('#help-text').replaceChildren(...helpContent(program));
    dialog.showModal();
  };
  document.getElementById('help-button').addEventListener('click', help);
  const fullScreen = fullScreenSwitch(document.getElementById('fullscreen-button'), document.getElementById('program'));
  return { help, fullScreen };
}

// The lesson tools in the bar, the same choices as the desktop's menu:
// "ストロボ" and "注釈" as buttons that stay pressed while on, the strobe's
// count and spacing as choices. `input` reaches the core ({perform,
// setValue}); the actions come from `core`. Returns what brings the bar in
// line with the core again, after a key.
function lessonTools(program, core, input) {
  const host = document.getElementById('lesson-tools');
  const { titles, counts, spacings } = program.lessonTools();
  const button = (id, title, action) => {
    const element = Object.assign(document.createElement('button'), { id, type: 'button', className: 'bar-button' });
    element.textContent = title;
    element.addEventListener('click', () => input.perform(action));
    return element;
  };
  const choice = (id, title, choices, action) => {
    const select = Object.assign(document.createElement('select'), { id, title });
    select.append(...choices.map(({ value, caption }) => new Option(caption, value)));
    select.addEventListener('change', () => input.setValue(action, Number(select.value)));
    const label = document.createElement('label');
    label.append(title, select);
    return [label, select];
  };
  const strobe = button('strobe-button', titles.strobe, core.toggleStrobeAction);
  const annotations = button('annotations-button', titles.annotations, core.toggleAnnotationsAction);
  const [countLabel, count] = choice('strobe-count', titles.count, counts, core.strobeCountAction);
  const [spacingLabel, spacing] = choice('strobe-spacing', titles.spacing, spacings, core.strobeSpacingAction);
  host.replaceChildren(strobe, countLabel, spacingLabel, annotations);
  const sync = () => {
    const tools = program.lessonTools();
    strobe.setAttribute('aria-pressed', String(tools.strobe));
    annotations.setAttribute('aria-pressed', String(tools.annotations));
    count.value = String(tools.strobeCount);
    spacing.value = String(tools.strobeSpacing);
  };
  sync();
  return sync;
}

export { wire, lessonTools };
