// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractButton;
class QWidget;

namespace platform {

// Esc anywhere in a secondary window presses its cancel button, so that the key does what that
// button does; a window without one is closed as by its close box.
void cancelOnEscape(QWidget *window, QAbstractButton *cancel = nullptr);

} // namespace platform
