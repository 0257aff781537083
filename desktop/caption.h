// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFontMetrics>
#include <QString>

namespace ondel {

// A button caption that fits `width` pixels: a caption too wide for its
// button is broken onto two lines after a slash or at a
// full-width space ("停止／" over "駒送り"); one without such a place is
// broken in the middle. A caption is never cut.
QString wrappedCaption(const QString &caption, const QFontMetrics &metrics, int width);

} // namespace ondel
