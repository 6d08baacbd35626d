// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace platform {

// The program's icon at the sizes window managers ask for, from pixels the build renders
// from data/icons/vocabrix.svg.
QIcon applicationIcon();
// The icon at a size in device-independent pixels, sharp on high-DPI screens.
QPixmap applicationPixmap(int size, qreal devicepixelratio);

// A square picture the build rendered to raw pixels (32-bit premultiplied ARGB) as a
// resource, or a null pixmap when the resource is not that size.
QPixmap renderedPixmap(const QString &resource, int side);

} // namespace platform
