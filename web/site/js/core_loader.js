// SPDX-License-Identifier: GPL-3.0-or-later
// The core for a page. Served over http(s), the module comes beside its
// .wasm, asked for once the program's picture shows (the page's script
// waits for ondelPictureShown) and compiled while it streams in, and
// the shipped pulse files come as files of their own, fetched once the
// first frame is up (nothing before it waits for them); opened from the
// disk, where nothing can be fetched, one script holds them all.
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

const wasmFile = 'ondel_core_streamed.wasm';

// The .wasm compiled while it streams in; a server that sends it under
// another type gets it compiled whole instead.
function compileCore() {
  return WebAssembly.compileStreaming(fetch(wasmFile))
    .catch(() => fetch(wasmFile).then((response) => response.arrayBuffer()).then((bytes) => WebAssembly.compile(bytes)));
}

export async function loadCore() {
  if (!fetchesFiles(location)) {
    await loadScript('ondel_core.js');
    return OndelCore();
  }
  // The .wasm compiles while the script that binds it runs.
  await globalThis.ondelPictureShown;
  const compiled = compileCore();
  compiled.catch(() => {}); // told of below, once the script is there
  await loadScript('ondel_core_streamed.js');
  return new Promise((resolve, reject) => {
    const failed = () => reject(new Error(`${wasmFile} を読み込めませんでした。`));
    OndelCore({
      instantiateWasm(imports, done) {
        compiled.then((module) => WebAssembly.instantiate(module, imports).then((instance) => done(instance, module)))
          .catch(failed);
        return {};
      },
    }).then(resolve, failed);
  });
}

// Puts the shipped pulse files into the core's working folder; resolves
// when they are there. A file that does not come is told of as any missing
// file, when named. The single script has them inside already.
export async function loadShippedFiles(core) {
  if (!fetchesFiles(location)) return;
  const contents = await Promise.all(SHIPPED_DATA_FILES.map((name) =>
    fetch(`data/${name}`).then((response) => (response.ok ? response.arrayBuffer() : null), () => null)));
  SHIPPED_DATA_FILES.forEach((name, k) => {
    if (contents[k]) core.FS.writeFile(`/${name}`, new Uint8Array(contents[k]));
  });
}
