// SPDX-License-Identifier: GPL-3.0-or-later
// Every script the site's pages load, and the service worker, is one that
// Safari 15 (many school iPads run no newer iPadOS) can run: nothing newer
// than ES2020 in syntax or built-ins (es-check), and no regular expression
// with a lookbehind or a named group, which Safari lacks before 16.4 and
// es-check lets through.
//   node safari_scripts_test.mjs SITE_FOLDER
import { spawnSync } from 'node:child_process';
import { readdir, readFile } from 'node:fs/promises';
import { join } from 'node:path';
import { tokenizer } from 'acorn';
import { Tally } from './tally.mjs';

const [site] = process.argv.slice(2);
const tally = new Tally();

// embind attaches finalizers only where FinalizationRegistry exists (Safari
// has had it since 14.1); es-check sees the name and counts it as ES2021.
const featureDetected = ['FinalizationRegistry'];

// `(?<=`, `(?<!` and `(?<name>`, and `\k<name>`, outside an escaped bracket.
const newerGroup = /(?:^|[^\\])(?:\\\\)*\(\?<(?:[=!]|[A-Za-z_$])|\\k</;

async function pageScripts() {
  const pages = (await readdir(site)).filter((file) => file.endsWith('.html'));
  const scripts = new Set(['service_worker.js']);
  for (const page of pages) {
    const html = await readFile(join(site, page), 'utf8');
    for (const [, src] of html.matchAll(/<script[^>]*\ssrc="([^"]+)"/g)) scripts.add(src);
  }
  return { pages, scripts: [...scripts] };
}

// The regular expressions of `source` (literals, and strings that may be
// handed to RegExp) that Safari 15 cannot compile.
function newerRegExps(source) {
  const found = [];
  for (const token of tokenizer(source, { ecmaVersion: 2020, allowHashBang: true })) {
    const text = token.type.label === 'regexp' ? token.value.pattern : token.type.label === 'string' ? token.value : null;
    if (text !== null && newerGroup.test(text)) found.push(text.slice(0, 60));
  }
  return found;
}

const { pages, scripts } = await pageScripts();
tally.check(`${pages.length} pages load ${scripts.length} scripts`, pages.length > 0 && scripts.length > 1, scripts.join(' '));
for (const script of scripts) {
  const source = await readFile(join(site, script), 'utf8');
  let found;
  try {
    found = newerRegExps(source);
  } catch (error) {
    found = [`not ES2020: ${error.message}`];
  }
  tally.check(`${script}: no lookbehind or named group`, found.length === 0, found.join(' | '));
}

const esCheck = spawnSync(process.execPath, ['node_modules/es-check/lib/cli/index.js', 'es2020',
  ...scripts.map((script) => join(site, script)), '--checkFeatures', `--ignore=${featureDetected.join(',')}`],
{ encoding: 'utf8' });
const report = `${esCheck.stdout}${esCheck.stderr}`;
tally.check('es-check: nothing newer than ES2020', esCheck.status === 0,
  esCheck.status === 0 ? '' : report.split('\n').filter((line) => /error|Unsupported/i.test(line)).join('\n'));
tally.finish();
