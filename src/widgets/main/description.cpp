// SPDX-License-Identifier: GPL-3.0-or-later
#include "description.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace widgets {

QString markedUsage(const QString &text, bool bold, bool italic)
{
    if (bold)
        return text.startsWith(QStringLiteral("(b)"))
                   ? text
                   : QStringLiteral("(b)") + text + QStringLiteral("(b)");
    if (italic && !text.startsWith(QStringLiteral("(I)")))
        return QStringLiteral("(I)") + text + QStringLiteral("(I)");
    return text;
}

bool selectionItalic(const QTextEdit &box)
{
    const bool boxItalic = box.font().italic();
    const auto italicOf = [boxItalic](const QTextCharFormat &format) {
        return format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : boxItalic;
    };
    const QTextCursor cursor = box.textCursor();
    if (!cursor.hasSelection())
        return italicOf(cursor.charFormat());
    const int start = cursor.selectionStart(), end = cursor.selectionEnd();
    for (QTextBlock block = box.document()->findBlock(start);
         block.isValid() && block.position() < end; block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextFragment piece = fragment.fragment();
            const bool overlaps =
                piece.position() < end && piece.position() + piece.length() > start;
            if (overlaps && !italicOf(piece.charFormat()))
                return false;
        }
    }
    return true;
}

} // namespace widgets
