// SPDX-License-Identifier: GPL-3.0-or-later
// The start page: the site kept for offline lessons from the first visit.
import { keepSiteOffline } from './offline.js';

keepSiteOffline();
