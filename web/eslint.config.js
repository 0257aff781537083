// SPDX-License-Identifier: GPL-3.0-or-later
// The browser edition's scripts checked by ESLint (ctest web_lint): the
// pages' ES modules, the test pages' classic scripts and the tests run by
// node.
import js from '@eslint/js';
import globals from 'globals';

export default [
  js.configs.recommended,
  {
    rules: {
      eqeqeq: 'error',
      // Small files with one job each.
      'max-lines': ['error', { max: 300 }],
      // Japanese texts and comments use the full-width space.
      'no-irregular-whitespace': ['error', { skipComments: true, skipStrings: true, skipTemplates: true, skipRegExps: true }],
      'no-var': 'error',
      'prefer-const': 'error',
      'no-unused-vars': ['error', { args: 'after-used', caughtErrors: 'none' }],
    },
  },
  {
    files: ['site/js/**/*.js'],
    languageOptions: {
      sourceType: 'module',
      // The core's module factory, from ondel_core.js; the shipped pulse
      // files' names, set when the pages are bundled.
      globals: { ...globals.browser, OndelCore: 'readonly', SHIPPED_DATA_FILES: 'readonly' },
    },
  },
  {
    files: ['site/tests/**/*.js'],
    languageOptions: {
      sourceType: 'script',
      // The core, and the recorded sessions that CMake writes as a script.
      globals: { ...globals.browser, OndelCore: 'readonly', recordedSessions: 'readonly', recordedSessionFiles: 'readonly' },
    },
  },
  {
    files: ['tests/**/*.mjs'],
    languageOptions: {
      // Node, and the browser's names in the functions sent to the page,
      // with the painter bundled for bare pages.
      globals: { ...globals.node, ...globals.browser, OndelCore: 'readonly', drawing: 'readonly' },
    },
  },
];
