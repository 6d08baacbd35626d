// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the description toolbar's icons into one file of raw pixels each at build time (32-bit
// premultiplied ARGB, 24 by 24, row after row), so that the program's start neither draws them
// nor looks up the font of their letters.
//   vocabrix_rendertoolbaricons <output folder>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSaveFile>
#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

namespace {

constexpr int side = 24;

QImage drawn(const std::function<void(QPainter &)> &draw)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
    draw(painter);
    return image;
}

// Four lines of text, short ones set to one side or centred.
QImage alignment(Qt::Alignment where)
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

QImage letter(const QString &text, bool bold, bool italic)
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

QImage pages(bool second)
{
    return drawn([second](QPainter &painter) {
        painter.setBrush(Qt::white);
        if (second)
            painter.drawRoundedRect(QRectF(3, 3, 12, 15), 2, 2);
        painter.drawRoundedRect(QRectF(second ? 9 : 6, second ? 7 : 3, 12, 15), 2, 2);
    });
}

QImage scissors()
{
    return drawn([](QPainter &painter) {
        painter.drawEllipse(QRectF(3, 15, 6, 6));
        painter.drawEllipse(QRectF(15, 15, 6, 6));
        painter.drawLine(8, 15, 17, 3);
        painter.drawLine(16, 15, 7, 3);
    });
}

QImage clipboard()
{
    return drawn([](QPainter &painter) {
        painter.setBrush(QColor(222, 184, 135));
        painter.drawRoundedRect(QRectF(4, 4, 16, 18), 2, 2);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(8, 2, 8, 5));
    });
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    // The letters need the font database, which needs a platform; no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const std::vector<std::pair<const char *, QImage>> icons{
        {"format-justify-left", alignment(Qt::AlignLeft)},
        {"format-justify-center", alignment(Qt::AlignHCenter)},
        {"format-justify-right", alignment(Qt::AlignRight)},
        {"edit-copy", pages(true)},
        {"edit-cut", scissors()},
        {"edit-paste", clipboard()},
        {"format-text-italic", letter(QStringLiteral("I"), false, true)},
        {"format-text-bold", letter(QStringLiteral("B"), true, false)}};
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const auto &[name, image] : icons) {
        const QString path = folder.filePath(QStringLiteral("%1.argb").arg(QLatin1String(name)));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes()) !=
                image.sizeInBytes() ||
            !file.commit()) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
            return 1;
        }
    }
    return 0;
}
