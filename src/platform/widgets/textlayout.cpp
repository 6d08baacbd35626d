// SPDX-License-Identifier: GPL-3.0-or-later
#include "textlayout.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace platform {

QStringList wrapText(const QString &text, const QFont &font, int width, int height)
{
    QStringList lines;
    if (text.isEmpty() || width <= 0)
        return lines;
    const QFontMetrics metrics(font);
    const int lineSpacing = metrics.lineSpacing();
    const int fitting = std::max(1, (height + metrics.leading()) / std::max(1, lineSpacing));

    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const QString piece = text.mid(line.textStart(), line.textLength());
        if (lines.size() + 1 == fitting && line.textStart() + line.textLength() < text.size()) {
            lines.append(
                metrics.elidedText(text.mid(line.textStart()).simplified(), Qt::ElideRight, width));
            break;
        }
        lines.append(piece.trimmed());
    }
    layout.endLayout();
    return lines;
}

FittedText fitText(const QString &text, const QFont &font, int width, int height,
                   double smallestFraction)
{
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    const double smallest = std::max(6.0, size * smallestFraction);
    // The candidates go down from the font's size in half points. Most texts fit at the first;
    // for the others the largest that fits is found by halving, as each size tried is a font
    // looked up and a layout made.
    const int candidates = size >= smallest ? int((size - smallest) / 0.5 + 1e-9) + 1 : 0;
    const auto fits = [&](int candidate, QStringList &lines) {
        QFont trial = font;
        trial.setPointSizeF(size - 0.5 * candidate);
        const QFontMetrics metrics(trial);
        lines = wrapText(text, trial, width, 1 << 20);
        return lines.size() * metrics.lineSpacing() <= height + metrics.leading();
    };
    QStringList found;
    int low = 1, high = candidates; // the answer lies in [low, high); high means none fits
    if (candidates > 0 && fits(0, found))
        high = 0;
    while (low < high) {
        const int middle = (low + high) / 2;
        QStringList lines;
        if (fits(middle, lines)) {
            high = middle;
            found = lines;
        } else {
            low = middle + 1;
        }
    }
    QFont trial = font;
    if (high < candidates) {
        trial.setPointSizeF(size - 0.5 * high);
        return {trial, found};
    }
    trial.setPointSizeF(smallest);
    return {trial, wrapText(text, trial, width, height)};
}

void addFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Book Antiqua"),
                               {QStringLiteral("Palatino Linotype"), QStringLiteral("Palatino"),
                                QStringLiteral("P052"), QStringLiteral("TeX Gyre Pagella")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"),
                               {QStringLiteral("Comic Neue"), QStringLiteral("Comic Relief")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif")});
}

} // namespace platform
