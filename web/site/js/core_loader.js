// SPDX-License-Identifier: GPL-3.0-or-later
// The core for a page. Served over http(s), the module comes beside its
// .wasm, compiled while it streams in, and the shipped pulse files as files
// of their own, fetched meanwhile into the module's working folder; opened
// from the disk, where nothing can be fetched, one script holds them all.
// SHIPPED_DATA_FILES (the names in data/) is set when the page is bundled.

// Whether a page at `url` can fetch the files beside it.
export function fetchesFiles(url) {
  return url.protocol === 'http:' || url.protocol === 'https:';
}

function loadScript(src) {
  return new Promise((resolve, reject) => {
    const script = document.createElement('script');
    script.src = src;
    script.onload = resolve;
    script.onerror = () => reject(new Error(`${src} を読み込めませんでした。`));
    document.head.append(script);
  });
}

export async function loadCore() {
  if (!fetchesFiles(location)) {
    await loadScript('ondel_core.js');
    return OndelCore();
  }
  // A file that does not come is told of as any missing file, when named.
  const files = SHIPPED_DATA_FILES.map((name) =>
    fetch(`data/${name}`).then((response) => (response.ok ? response.arrayBuffer() : null), () => null));
  await loadScript('ondel_core_streamed.js');
  const core = await OndelCore();
  const contents = await Promise.all(files);
  SHIPPED_DATA_FILES.forEach((name, k) => {
    if (contents[k]) core.FS.writeFile(`/${name}`, new Uint8Array(contents[k]));
  });
  return core;
}
