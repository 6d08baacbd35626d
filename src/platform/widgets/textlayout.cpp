// SPDX-License-Identifier: GPL-3.0-or-later
#include "textlayout.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace platform {

QStringList wraptext(const QString &text, const QFont &font, int width, int height)
{
    QStringList lines;
    if (text.isEmpty() || width <= 0)
        return lines;
    const QFontMetrics metrics(font);
    const int linespacing = metrics.lineSpacing();
    const int fitting = std::max(1, (height + metrics.leading()) / std::max(1, linespacing));

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

fittedtext fittext(const QString &text, const QFont &font, int width, int height,
                   double smallestfraction)
{
    const double size = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    const double smallest = std::max(6.0, size * smallestfraction);
    QFont trial = font;
    for (double candidate = size; candidate >= smallest; candidate -= 0.5) {
        trial.setPointSizeF(candidate);
        const QFontMetrics metrics(trial);
        const QStringList lines = wraptext(text, trial, width, 1 << 20);
        if (lines.size() * metrics.lineSpacing() <= height + metrics.leading())
            return {trial, lines};
    }
    trial.setPointSizeF(smallest);
    return {trial, wraptext(text, trial, width, height)};
}

void addfontsubstitutes()
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
