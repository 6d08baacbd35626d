// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rules of the description box.

#include <QString>

class QTextEdit;

namespace widgets {

// The usage as stored: bold wins over italic, and a text that already starts with its marker
// is not marked twice.
QString markedUsage(const QString &text, bool bold, bool italic);

// Whether the selection, or the caret's position when nothing is selected, is italic
// throughout; text without a format of its own takes the box's font.
bool selectionItalic(const QTextEdit &box);

} // namespace widgets
