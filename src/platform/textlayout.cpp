#include "textlayout.h"

#include <QFontMetrics>
#include <QTextLayout>
#include <QTextOption>

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

} // namespace platform
