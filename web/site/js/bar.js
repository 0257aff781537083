// SPDX-License-Identifier: GPL-3.0-or-later
// The bar above Form1: the window's commands from the core's table (each
// that applies to the program, captioned as the table says, the files'
// before the lesson tools and the window's after them), and the lesson
// tools. Help shows the core's help and about texts, as the desktop's help
// does; "このプログラムについて" the about text alone.

// "SaveImage" → "save-image".
const kebab = (name) => name.replace(/([a-z])([A-Z])/g, '$1-$2').toLowerCase();

// The files' commands by their names (#save-image), the window's as buttons (#help-button).
const elementId = (command) => (command.bar === 'files' ? kebab(command.name) : `${kebab(command.name)}-button`);

// "ファイルを開く" is a label around the page's file input, which a
// teacher's tablet opens its picker for only when it is there; the others
// are buttons.
function commandElement(command, deed) {
  if (command.name === 'OpenFile') {
    const label = Object.assign(document.createElement('label'), { id: elementId(command), className: 'bar-button' });
    label.append(command.caption, Object.assign(document.createElement('input'), { type: 'file', id: 'file-input' }));
    return label;
  }
  const button = Object.assign(document.createElement('button'), {
    id: elementId(command),
    type: 'button',
    className: 'bar-button',
  });
  button.textContent = command.caption;
  button.title = command.key;
  button.addEventListener('click', () => deed());
  return button;
}

// The bar's commands from `table` (the core's), each doing its `deeds[name]`
// as its key does. Returns the elements by the commands' names.
function commandBar(table, deeds) {
  const hosts = { files: document.getElementById('file-commands'), window: document.getElementById('window-commands') };
  const elements = {};
  for (const command of table) {
    if (!command.bar || !command.applies) continue;
    elements[command.name] = commandElement(command, deeds[command.name]);
    hosts[command.bar].append(elements[command.name]);
  }
  return elements;
}

function paragraphs(...texts) {
  return texts.map((text) => {
    const paragraph = document.createElement('p');
    paragraph.textContent = text;
    return paragraph;
  });
}

// Full screen shows the bar and Form1 (`container`); the same command
// leaves it, its button captioned for what it does now. A browser that
// cannot show the page full screen keeps the button hidden.
function fullScreenSwitch(container, command) {
  const toggle = () => (document.fullscreenElement ? document.exitFullscreen() : container.requestFullscreen());
  const follow = (button) => {
    button.hidden = !document.fullscreenEnabled;
    document.addEventListener('fullscreenchange', () => {
      button.textContent = document.fullscreenElement ? command.captionWhileOn : command.caption;
    });
  };
  return { toggle: document.fullscreenEnabled ? toggle : () => {}, follow };
}

// What the window's own commands do in the page: {Help, About, FullScreen},
// and `follow(elements)`, which keeps the bar's full-screen button in step.
function windowDeeds(program, table) {
  const dialog = document.getElementById('help');
  const show = (...texts) => {
    if (dialog.open) return;
    dialog.querySelector('#help-text').replaceChildren(...paragraphs(...texts));
    dialog.showModal();
    // Opened at its start (what to tap), not where its 閉じる button is.
    dialog.scrollTop = 0;
  };
  const fullScreen = fullScreenSwitch(document.getElementById('program'), table.find((c) => c.name === 'FullScreen'));
  return {
    deeds: {
      Help: () => show(program.helpText(), program.aboutText()),
      About: () => show(program.aboutText()),
      FullScreen: fullScreen.toggle,
    },
    follow: (elements) => elements.FullScreen && fullScreen.follow(elements.FullScreen),
  };
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

export { commandBar, windowDeeds, lessonTools };
