// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the Options dialog keeps for each of the four groups of display settings, and how it
// turns them into the settings file's text and back into the settings.

#include <QString>
#include <array>

namespace optionsrules {

// One picker: a face name, a size and a colour (red + 256 * green + 65536 * blue).
struct fontcolor
{
    QString fontname;
    float fontsize = 0;
    qint32 color = 0;

    bool operator==(const fontcolor &) const = default;
};

// The groups in the order of the settings file: main word, memory game, answer buttons,
// flash cards.
using groups = std::array<fontcolor, 4>;

// The pickers as the current display settings fill them; an unusable number takes the
// group's default.
groups fromsettings();
// Twelve lines in file order, joined by CR LF, with no line end after the last.
QString settingstext(const groups &pickers);
// Replaces the twelve display settings with the pickers' values.
void tosettings(const groups &pickers);

} // namespace optionsrules
