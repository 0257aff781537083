// SPDX-License-Identifier: GPL-3.0-or-later
#include "fonts.h"

namespace ondel {

void installFontSubstitution()
{
    QFont::insertSubstitution(QString::fromUtf8(controlFontFamily), QStringLiteral("IPAPGothic"));
}

QFont controlFont(const std::optional<FontSpec> &style, double scale)
{
    const FontSpec font = style.value_or(FontSpec{});
    QFont qfont(QString::fromUtf8(controlFontFamily));
    qfont.setPointSizeF(font.points * scale);
    qfont.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    return qfont;
}

} // namespace ondel
