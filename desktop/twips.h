// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/geometry.h"

#include <QtGlobal>

// The one mapping between the twips of the layout tables and frames and the
// pixels of the screen.
namespace ondel {

inline double pixelsOf(double twips) { return twips / geometry::twipsPerPixel; }
// A place or size of a control, on whole pixels.
inline int wholePixelsOf(int twips) { return qRound(pixelsOf(twips)); }
inline double twipsOf(double pixels) { return geometry::twipsPerPixel * pixels; }

} // namespace ondel
