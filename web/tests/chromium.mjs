// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's chromium, headless, in a fresh profile, with everything that
// would reach for the network turned off (the machine has none).
import { chromium } from 'playwright-core';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const flags = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];

// A browser context (with Playwright's context `options`, e.g. hasTouch);
// close() also removes its profile.
export async function launchChromium(options = {}) {
  const profile = await mkdtemp(join(tmpdir(), 'ondel-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    chromiumSandbox: false,
    args: flags,
    ...options,
  });
  return {
    context,
    close: async () => {
      await context.close();
      await rm(profile, { recursive: true, force: true });
    },
  };
}

// Fails the page's test on anything the page throws or logs as an error.
export function collectPageErrors(page) {
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  return errors;
}
