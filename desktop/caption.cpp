// SPDX-License-Identifier: GPL-3.0-or-later
#include "caption.h"

namespace ondel {

namespace {

const QChar fullWidthSlash(0xFF0F);
const QChar fullWidthSpace(0x3000);

QString joined(QString first, QString second)
{
    while (first.endsWith(fullWidthSpace))
        first.chop(1);
    while (second.startsWith(fullWidthSpace))
        second.remove(0, 1);
    return first + QLatin1Char('\n') + second;
}

} // namespace

QString wrappedCaption(const QString &caption, const QFontMetrics &metrics, int width)
{
    // Leave room for the button's own frame.
    if (metrics.horizontalAdvance(caption) <= width - 6)
        return caption;
    qsizetype slash = caption.indexOf(fullWidthSlash);
    if (slash <= 0)
        slash = caption.indexOf(QLatin1Char('/'));
    if (slash > 0)
        return joined(caption.left(slash + 1), caption.mid(slash + 1));
    if (const qsizetype space = caption.indexOf(fullWidthSpace); space > 0)
        return joined(caption.left(space), caption.mid(space));
    const qsizetype middle = (caption.size() + 1) / 2;
    return joined(caption.left(middle), caption.mid(middle));
}

} // namespace ondel
