// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QtGlobal>

namespace platform {

// Colours are stored as red + 256 * green + 65536 * blue (red in the low byte).
inline QColor colorFromCode(qint32 code)
{
    return QColor(code & 0xff, (code >> 8) & 0xff, (code >> 16) & 0xff);
}

inline qint32 codeFromColor(const QColor &color)
{
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

// Black or white, whichever reads better on the given background.
inline QColor readableText(const QColor &background)
{
    const double luminance =
        0.299 * background.red() + 0.587 * background.green() + 0.114 * background.blue();
    return luminance < 140 ? QColor(Qt::white) : QColor(Qt::black);
}

} // namespace platform
