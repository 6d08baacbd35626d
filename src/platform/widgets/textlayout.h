// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

namespace platform {

// The lines a text takes when word-wrapped into a box of the given size. When it needs more
// lines than fit, the last line that fits ends in an ellipsis.
QStringList wrapText(const QString &text, const QFont &font, int width, int height);

struct FittedText
{
    QFont font;
    QStringList lines;
};

// Wraps the text at the font's size or, when it would not fit, at the largest smaller size
// down to a fraction of it that does; below that it elides as wrapText does.
FittedText fitText(const QString &text, const QFont &font, int width, int height,
                   double smallestFraction = 0.75);

// Lets the fonts the program names by their Windows names find their closest free relatives.
void addFontSubstitutes();

} // namespace platform
