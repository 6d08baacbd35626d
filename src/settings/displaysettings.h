// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The twelve display settings: their defaults, their file order and the conversions of their
// texts. The values themselves live in modglobal.

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace displaysettings {

// The settings in the order of the lines of settings.ini.
std::array<QString *, 12> fileorder();
// The default text of each line, in file order.
const std::array<QString, 12> &defaults();

void applydefaults();

// A colour text is a whole number (red + 256 * green + 65536 * blue); a size text a positive
// number in the system's number format.
std::optional<qint32> tocolor(const QString &text);
std::optional<float> tosize(const QString &text);
QString colortext(qint32 color);
QString sizetext(float size);

// The conversions as the windows apply them: an unusable text gives the group's default.
qint32 colorvalue(const QString &text);
float sizevalue(const QString &text, float fallback);

// True when the twelve lines are all present, non-empty and the numbers are numbers.
bool usable(const QStringList &lines);

} // namespace displaysettings
