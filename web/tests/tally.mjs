// SPDX-License-Identifier: GPL-3.0-or-later
// Named checks, one line each, and a closing count; the exit status says
// whether all passed.
export class Tally {
  passed = 0;
  failed = 0;

  check(name, ok, detail = '') {
    if (ok) this.passed += 1;
    else this.failed += 1;
    console.log(`${ok ? 'ok  ' : 'FAIL'} ${name}${detail ? ': ' + detail : ''}`);
    return ok;
  }

  finish() {
    console.log(`${this.passed} passed, ${this.failed} failed`);
    process.exitCode = this.failed === 0 && this.passed > 0 ? 0 : 1;
  }
}
