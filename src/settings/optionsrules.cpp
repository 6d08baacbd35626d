// SPDX-License-Identifier: GPL-3.0-or-later
#include "optionsrules.h"

#include "displaysettings.h"

#include <QStringList>

namespace optionsrules {

namespace {

// Each group takes three lines of the file: colour, font name, size.
constexpr size_t colorline = 0, nameline = 1, sizeline = 2;

QStringList lines(const groups &pickers)
{
    QStringList result;
    for (const fontcolor &group : pickers)
        result << displaysettings::colortext(group.color) << group.fontname
               << displaysettings::sizetext(group.fontsize);
    return result;
}

} // namespace

groups fromsettings()
{
    const auto settings = displaysettings::fileorder();
    const auto &defaults = displaysettings::defaults();
    groups result;
    for (size_t g = 0; g < result.size(); ++g) {
        const size_t first = 3 * g;
        const float fallback = *displaysettings::tosize(defaults[first + sizeline]);
        result[g].fontname = *settings[first + nameline];
        result[g].color = displaysettings::colorvalue(*settings[first + colorline]);
        result[g].fontsize = displaysettings::sizevalue(*settings[first + sizeline], fallback);
    }
    return result;
}

QString settingstext(const groups &pickers)
{
    return lines(pickers).join(QStringLiteral("\r\n"));
}

void tosettings(const groups &pickers)
{
    const QStringList values = lines(pickers);
    const auto settings = displaysettings::fileorder();
    for (size_t i = 0; i < settings.size(); ++i)
        *settings[i] = values[qsizetype(i)];
}

} // namespace optionsrules
