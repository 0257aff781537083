// SPDX-License-Identifier: GPL-3.0-or-later
// One page in each engine a school has, behind the same few verbs, so that
// one test runs unchanged in all three: Debian's chromium (playwright-core),
// Debian's Firefox ESR (puppeteer-core over WebDriver BiDi) and WebKitGTK's
// MiniBrowser (selenium-webdriver through WebKitWebDriver, in its own Xvfb).
// No browser or driver is downloaded.
//   const tab = await launchEngine('webkit'); await tab.goto(url); ... await tab.close();
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { createServer } from 'node:net';
import { launchChromium } from './chromium.mjs';

const firefoxPath = '/usr/bin/firefox-esr';
const webkitDriverPath = '/usr/bin/WebKitWebDriver';
const miniBrowserPath = '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
// MiniBrowser hangs without a display instead of failing: its start is given this long.
const startTimeoutMs = 60000;
const screen = '1920x1080x24';

export const engineNames = ['chromium', 'firefox', 'webkit'];

function withTimeout(promise, ms, what) {
  let timer;
  const timeout = new Promise((_, reject) => {
    timer = setTimeout(() => reject(new Error(`${what} did not start within ${ms / 1000} s`)), ms);
  });
  return Promise.race([promise, timeout]).finally(() => clearTimeout(timer));
}

async function freePort() {
  const server = createServer();
  server.listen(0, '127.0.0.1');
  await once(server, 'listening');
  const { port } = server.address();
  server.close();
  return port;
}

// Resolves once a WebDriver server answers at `url`, or fails at the start's timeout.
async function driverReady(url) {
  const end = Date.now() + startTimeoutMs;
  while (Date.now() < end) {
    const ready = await fetch(`${url}/status`).then((response) => response.ok, () => false);
    if (ready) return;
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
  throw new Error(`WebKitWebDriver did not answer within ${startTimeoutMs / 1000} s`);
}

// Stops a child started here, by its own process id.
async function stop(child) {
  if (child.exitCode !== null || child.signalCode !== null) return;
  child.kill('SIGTERM');
  await once(child, 'exit');
}

async function chromiumTab() {
  const browser = await launchChromium();
  const page = await browser.context.newPage();
  return {
    goto: (url) => page.goto(url),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    click: (selector) => page.click(selector),
    press: (key) => page.keyboard.press(key),
    chooseFile: (selector, path) => page.setInputFiles(selector, path),
    resize: (width, height) => page.setViewportSize({ width, height }),
    close: () => browser.close(),
  };
}

async function firefoxTab() {
  const { default: puppeteer } = await import('puppeteer-core');
  const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: firefoxPath,
    headless: true,
    protocol: 'webDriverBiDi',
    timeout: startTimeoutMs,
  });
  const page = (await browser.pages())[0] ?? (await browser.newPage());
  return {
    goto: (url) => page.goto(url),
    evaluate: (fn, arg) => page.evaluate(fn, arg),
    click: (selector) => page.click(selector),
    press: (key) => page.keyboard.press(key),
    chooseFile: async (selector, path) => (await page.$(selector)).uploadFile(path),
    resize: (width, height) => page.setViewport({ width, height }),
    close: () => browser.close(),
  };
}

// WebDriver classic has no console or error events: a test collects the
// page's errors inside the page (see static_server.mjs).
async function webkitTab() {
  const { Builder, By, Key } = await import('selenium-webdriver');
  const xvfb = spawn('Xvfb', ['-displayfd', '1', '-screen', '0', screen, '-nolisten', 'tcp'],
    { stdio: ['ignore', 'pipe', 'ignore'] });
  const children = [xvfb];
  const stopAll = () => Promise.all(children.map(stop));
  try {
    const [display] = await withTimeout(once(xvfb.stdout, 'data'), startTimeoutMs, 'Xvfb');
    const port = await freePort();
    // Without compositing off it paints a few frames a second under Xvfb.
    const env = { ...process.env, DISPLAY: `:${String(display).trim()}`, WEBKIT_DISABLE_COMPOSITING_MODE: '1' };
    const driverProcess = spawn(webkitDriverPath, [`--port=${port}`], { env, stdio: 'ignore' });
    children.push(driverProcess);
    const server = `http://127.0.0.1:${port}`;
    await driverReady(server);
    const driver = await withTimeout(new Builder().usingServer(server).withCapabilities({
      browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: miniBrowserPath, args: ['--automation'] },
    }).build(), startTimeoutMs, 'MiniBrowser');
    const keys = { PageDown: Key.PAGE_DOWN, PageUp: Key.PAGE_UP };
    return {
      goto: (url) => driver.get(url),
      evaluate: async (fn, arg) => {
        const result = await driver.executeAsyncScript(`const done = arguments[arguments.length - 1];
          Promise.resolve().then(() => (${fn})(arguments[0]))
            .then((value) => done({ value }), (error) => done({ error: String(error) }));`, arg);
        if (result.error) throw new Error(result.error);
        return result.value;
      },
      click: async (selector) => (await driver.findElement(By.css(selector))).click(),
      press: (key) => driver.actions().sendKeys(keys[key] ?? key).perform(),
      chooseFile: async (selector, path) => (await driver.findElement(By.css(selector))).sendKeys(path),
      resize: (width, height) => driver.manage().window().setRect({ width, height }),
      close: async () => {
        await driver.quit().catch(() => {});
        await stopAll();
      },
    };
  } catch (error) {
    await stopAll();
    throw error;
  }
}

const launchers = { chromium: chromiumTab, firefox: firefoxTab, webkit: webkitTab };

// A tab in the named engine.
export function launchEngine(name) {
  const launch = launchers[name];
  if (!launch) throw new Error(`no engine "${name}" (${engineNames.join(', ')})`);
  return withTimeout(launch(), 2 * startTimeoutMs, name);
}

// Polls the page until `fn(arg)` is true (run in the page), or fails after `ms`.
export async function waitInPage(tab, fn, arg, ms = 15000, what = 'the page') {
  const end = Date.now() + ms;
  for (;;) {
    if (await tab.evaluate(fn, arg)) return;
    if (Date.now() > end) throw new Error(`${what}: gave up after ${ms / 1000} s`);
    await new Promise((resolve) => setTimeout(resolve, 100));
  }
}
