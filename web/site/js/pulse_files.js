// SPDX-License-Identifier: GPL-3.0-or-later
// The ways a teacher hands the page a pulse data file: the bar's
// "ファイルを開く" (Ctrl+O clicks it) and a file dropped onto the window. Only the
// first `limit` bytes are read: the reader decides on those alone, so a
// huge file costs no more than a sensible one.

// `open(bytes, name)` takes a chosen file; `refuse(message)` tells the
// teacher when the browser would not read it. `enabled` is false in a
// program that loads no files: a drop then does nothing, rather
// than the browser leaving the lesson to show the file.
function offer({ input, enabled, limit, open, refuse }) {
  async function take(file) {
    if (!file) return;
    let bytes;
    try {
      bytes = new Uint8Array(await file.slice(0, limit).arrayBuffer());
    } catch {
      refuse(`ファイル「${file.name}」を読めません: ブラウザーが読み取りを許しませんでした。\nデータは読み込まれていません。`);
      return;
    }
    open(bytes, file.name);
  }

  input.addEventListener('change', () => {
    const file = input.files[0];
    // Cleared, so that the same file chosen again (after an edit) loads again.
    input.value = '';
    take(file);
  });
  addEventListener('dragover', (event) => {
    event.preventDefault();
    event.dataTransfer.dropEffect = enabled ? 'copy' : 'none';
  });
  addEventListener('drop', (event) => {
    event.preventDefault();
    if (enabled) take(event.dataTransfer.files[0]);
  });
}

export { offer };
