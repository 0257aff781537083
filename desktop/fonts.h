// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/state/layout.h"

#include <QFont>

#include <optional>

namespace ondel {

// The proportional Gothic the captions are set in has no fontconfig alias
// here, so its metric twin IPAPGothic stands in for it explicitly.
void installFontSubstitution();

// The font of a control: "ＭＳ Ｐゴシック" at the table's size and weight, or
// the window's default font (the same family at 9 points), its size times
// `scale` on a zoomed window.
QFont controlFont(const std::optional<FontSpec> &style, double scale = 1.0);

} // namespace ondel
