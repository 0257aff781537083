// SPDX-License-Identifier: GPL-3.0-or-later
// Served from a web server, the site can be installed (its manifest) and
// keeps its own files for when the classroom's network is gone
// (service_worker.js). Opened from the disk it needs neither, and a
// browser allows neither there. A program's page asks for this once its
// first frame is up, so that keeping the whole site never slows its start.

export function keepSiteOffline() {
  if (location.protocol === 'file:') return;
  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.append(manifest);
  navigator.serviceWorker?.register('service_worker.js');
}
