// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How long the start takes, asked from outside: with VOCABRIX_FIRST_PAINT set, the program
// prints the wall-clock time of the main window's first paint (nanoseconds since 1970) and
// ends. Set to "maps", it also lists the libraries mapped then that only some actions need,
// and ends with status 1 when there is any.

#include <QStringList>

class QWidget;

namespace widgets {

// Watches the window when the environment asks for it; does nothing otherwise.
void watchFirstPaint(QWidget &window);

// The libraries among /proc/self/maps that the start should not have loaded.
QStringList deferredLibrariesMapped();

} // namespace widgets
