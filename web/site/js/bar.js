// SPDX-License-Identifier: GPL-3.0-or-later
// The bar above Form1: what the browser needs and the desktop window does
// not (the file button is wired by pulse_files.js). Help shows the
// program's summary and its controls' captions.
'use strict';

const bar = (() => {
  // The help of one program as elements. The core's own help text, once
  // there is one, takes the place of this.
  function helpContent(layout) {
    const title = document.createElement('h2');
    title.textContent = layout.name;
    const summary = document.createElement('p');
    summary.textContent = layout.summaryJa;
    const english = document.createElement('p');
    english.lang = 'en';
    english.textContent = layout.summaryEn;
    const list = document.createElement('ul');
    // A caption that is only the control's name says nothing to a teacher.
    const captioned = layout.controls.filter((c) => ['Button', 'Option', 'Frame'].includes(c.kind) && c.caption &&
      c.caption !== c.name);
    for (const control of captioned.sort((a, b) => a.tabIndex - b.tabIndex)) {
      const item = document.createElement('li');
      item.textContent = control.caption;
      list.append(item);
    }
    return [title, summary, english, list];
  }

  function showHelp(dialog, layout) {
    dialog.querySelector('#help-text').replaceChildren(...helpContent(layout));
    dialog.showModal();
  }

  // Full screen shows the bar and Form1 (`container`); the same button leaves it.
  function wireFullscreen(button, container) {
    if (!document.fullscreenEnabled) return;
    button.hidden = false;
    button.addEventListener('click', () => {
      if (document.fullscreenElement) document.exitFullscreen();
      else container.requestFullscreen();
    });
    document.addEventListener('fullscreenchange', () => {
      button.textContent = document.fullscreenElement ? '全画面を終える' : '全画面';
    });
  }

  function wire(layout) {
    const help = document.getElementById('help');
    document.getElementById('help-button').addEventListener('click', () => showHelp(help, layout));
    wireFullscreen(document.getElementById('fullscreen-button'), document.getElementById('program'));
  }

  return { wire };
})();
