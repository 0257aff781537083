// SPDX-License-Identifier: GPL-3.0-or-later
// Serves one folder on 127.0.0.1 at a free port, as any static web server
// would: GET and HEAD of files below it, nothing else. With `recordErrors`,
// every page first gets a script that keeps the page's errors in
// `window.pageErrors`, for drivers that hear no console. `types` overrides
// the type of a file's extension (a careless server's); `delays` holds
// back the files below a folder ({'/data/': ms}), as a slow network would.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, sep } from 'node:path';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.png': 'image/png',
  '.wasm': 'application/wasm',
  '.svg': 'image/svg+xml',
  '.webmanifest': 'application/manifest+json',
};

// Runs before any of the page's own scripts.
const errorRecorder = `<script>
window.pageErrors = [];
addEventListener('error', (e) => pageErrors.push(e.message || \`cannot load \${e.target.src || e.target.href}\`), true);
addEventListener('unhandledrejection', (e) => pageErrors.push(String(e.reason)));
const consoleError = console.error;
console.error = (...parts) => { pageErrors.push(parts.join(' ')); consoleError(...parts); };
</script>`;

export async function serveFolder(folder, { recordErrors = false, types: ownTypes = {}, delays = {} } = {}) {
  const root = normalize(folder + sep);
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://localhost').pathname);
    const file = normalize(join(root, path.endsWith('/') ? path + 'index.html' : path));
    if (!file.startsWith(root) || !['GET', 'HEAD'].includes(request.method)) {
      response.writeHead(403).end();
      return;
    }
    try {
      let body = await readFile(file);
      if (recordErrors && extname(file) === '.html') body = String(body).replace('<head>', `<head>${errorRecorder}`);
      const delay = Object.entries(delays).find(([prefix]) => path.startsWith(prefix))?.[1] ?? 0;
      if (delay) await new Promise((resolve) => setTimeout(resolve, delay));
      const type = ownTypes[extname(file)] ?? types[extname(file)] ?? 'application/octet-stream';
      response.writeHead(200, { 'Content-Type': type });
      response.end(request.method === 'HEAD' ? undefined : body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => server.close(resolve)),
  };
}
