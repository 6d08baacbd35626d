// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading one entry of the loaded word list for the study windows. A position the list does
// not reach (an empty list, a file with fewer meanings than words, a shorter list loaded while
// a window is open) reads as the empty text: these windows show what there is and go on.

#include <QString>

namespace entries {

QString wordat(int position);
QString meaningat(int position);

} // namespace entries
