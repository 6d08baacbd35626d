// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace platform {

// Window positions are kept in twips (1/1440 inch); these convert at the screen's logical DPI,
// 15 twips a pixel at 96 DPI.
int twips(int twipValue);
int toTwips(int pixels);

} // namespace platform
