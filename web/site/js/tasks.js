// SPDX-License-Identifier: GPL-3.0-or-later
// Short tasks: a page gives the browser its turn between the parts of its
// start.

// Resolves in a later task, after what the browser has waiting (input,
// layout, a paint); scheduler.yield where there is one.
export function nextTask() {
  if (globalThis.scheduler?.yield) return globalThis.scheduler.yield();
  return new Promise((resolve) => {
    const channel = new MessageChannel();
    channel.port1.onmessage = () => resolve();
    channel.port2.postMessage(null);
  });
}

