// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolbaricons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>
#include <map>

namespace {

constexpr int side = 24;

QIcon drawn(const std::function<void(QPainter &)> &draw)
{
    QPixmap image(side, side);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
    draw(painter);
    return QIcon(image);
}

// Four lines of text, short ones set to one side or centred.
QIcon alignment(Qt::Alignment where)
{
    return drawn([where](QPainter &painter) {
        for (int row = 0; row < 4; ++row) {
            const int length = row % 2 ? 12 : 18;
            const int y = 5 + row * 5;
            int x = 3;
            if (where == Qt::AlignHCenter)
                x = (side - length) / 2;
            else if (where == Qt::AlignRight)
                x = side - 3 - length;
            painter.drawLine(x, y, x + length, y);
        }
    });
}

QIcon letter(const QString &text, bool bold, bool italic)
{
    return drawn([=](QPainter &painter) {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setPixelSize(18);
        font.setBold(bold);
        font.setItalic(italic);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, side, side), Qt::AlignCenter, text);
    });
}

QIcon pages(bool second)
{
    return drawn([second](QPainter &painter) {
        painter.setBrush(Qt::white);
        if (second)
            painter.drawRoundedRect(QRectF(3, 3, 12, 15), 2, 2);
        painter.drawRoundedRect(QRectF(second ? 9 : 6, second ? 7 : 3, 12, 15), 2, 2);
    });
}

QIcon scissors()
{
    return drawn([](QPainter &painter) {
        painter.drawEllipse(QRectF(3, 15, 6, 6));
        painter.drawEllipse(QRectF(15, 15, 6, 6));
        painter.drawLine(8, 15, 17, 3);
        painter.drawLine(16, 15, 7, 3);
    });
}

QIcon clipboard()
{
    return drawn([](QPainter &painter) {
        painter.setBrush(QColor(222, 184, 135));
        painter.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(8, 2, 8, 5));
    });
}

} // namespace

QIcon toolbaricon(const QString &key)
{
    static const std::map<QString, std::pair<const char *, std::function<QIcon()>>> icons{
        {QStringLiteral("Align Left"),
         {"format-justify-left", [] { return alignment(Qt::AlignLeft); }}},
        {QStringLiteral("Center"),
         {"format-justify-center", [] { return alignment(Qt::AlignHCenter); }}},
        {QStringLiteral("Align Right"),
         {"format-justify-right", [] { return alignment(Qt::AlignRight); }}},
        {QStringLiteral("Copy"), {"edit-copy", [] { return pages(true); }}},
        {QStringLiteral("Cut"), {"edit-cut", [] { return scissors(); }}},
        {QStringLiteral("Paste"), {"edit-paste", [] { return clipboard(); }}},
        {QStringLiteral("Italic"),
         {"format-text-italic", [] { return letter(QStringLiteral("I"), false, true); }}},
        {QStringLiteral("Bold"),
         {"format-text-bold", [] { return letter(QStringLiteral("B"), true, false); }}},
    };
    const auto found = icons.find(key);
    if (found == icons.end())
        return QIcon();
    // Without a desktop icon theme (hicolor is only the fallback, with no editing icons) the
    // search through the icon folders would only cost time at start-up.
    const QString theme = QIcon::themeName();
    if (theme.isEmpty() || theme == QLatin1String("hicolor"))
        return found->second.second();
    const QIcon themed = QIcon::fromTheme(QLatin1String(found->second.first));
    return themed.isNull() ? found->second.second() : themed;
}
