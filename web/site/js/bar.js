// SPDX-License-Identifier: GPL-3.0-or-later
// The bar above Form1: what the browser needs and the desktop window does
// not (the file button is wired by pulse_files.js). Help shows the core's
// help and about texts, as the desktop's help does.
'use strict';

const bar = (() => {
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

  return { wire };
})();
