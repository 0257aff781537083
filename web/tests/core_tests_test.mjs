// SPDX-License-Identifier: GPL-3.0-or-later
// The core's GoogleTest tests, compiled with emcc (web/core_tests), run in
// headless chromium: prints gtest's output from the page's console and
// fails when any test fails, the page throws, or the run does not finish.
//   node core_tests_test.mjs SITE_FOLDER [GTEST_FILTER]
import { launchChromium } from './chromium.mjs';
import { serveFolder } from './static_server.mjs';

const [site, filter] = process.argv.slice(2);
const server = await serveFolder(site);
const browser = await launchChromium();
let status;
try {
  const page = await browser.context.newPage();
  page.on('console', (message) => console.log(message.text()));
  // An exception out of the tests' main ends the run.
  const thrown = new Promise((resolve) => page.on('pageerror', (error) => resolve(`thrown: ${error.message}`)));
  const query = filter ? `?filter=${encodeURIComponent(filter)}` : '';
  await page.goto(`${server.url}tests/core_tests.html${query}`);
  const exited = () => ('coreTestsExit' in window ? { status: window.coreTestsExit } : null);
  status = await Promise.race([thrown, page.waitForFunction(exited, null, { timeout: 0, polling: 500 })
    .then((handle) => handle.jsonValue()).then((result) => result.status)]);
} catch (error) {
  status = `did not run: ${error.message}`;
} finally {
  await browser.close();
  await server.close();
}
console.log(`exit status of the tests in the browser: ${status}`);
process.exitCode = status === 0 ? 0 : 1;
