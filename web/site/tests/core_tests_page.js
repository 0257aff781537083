// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the core's GoogleTest tests (core_tests.js, emcc's output) in this
// page: their output goes to the console and onto the page, and their exit
// status, once main returns, to window.coreTestsExit.
'use strict';

// eslint-disable-next-line no-var, no-unused-vars -- emscripten's output reads this global.
var Module = (() => {
  const output = document.getElementById('output');
  const filter = new URLSearchParams(location.search).get('filter');
  const line = (text) => {
    console.log(text);
    output.append(`${text}\n`);
  };
  return {
    arguments: ['--gtest_color=no', ...(filter ? [`--gtest_filter=${filter}`] : [])],
    print: line,
    printErr: line,
    onExit: (status) => {
      window.coreTestsExit = status;
    },
    // A crash (an abort, an exception out of main) is a failure too.
    onAbort: (reason) => {
      line(`aborted: ${reason}`);
      window.coreTestsExit = 'aborted';
    },
  };
})();
