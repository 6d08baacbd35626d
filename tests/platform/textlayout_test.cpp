// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets/textlayout.h"

#include <QFontMetrics>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace {

bool fitsAt(const QString &text, QFont font, double size, int width, int height)
{
    font.setPointSizeF(size);
    const QFontMetrics metrics(font);
    return platform::wrapText(text, font, width, 1 << 20).size() * metrics.lineSpacing() <=
           height + metrics.leading();
}

TEST(textLayout, FittingTakesTheLargestHalfPointSizeThatFitsOrElidesAtTheSmallest)
{
    const QFont font(QStringLiteral("DejaVu Serif"), 12);
    const int width = 200, height = 80;
    const QStringList words =
        QStringLiteral("(v.) cause to feel shame, hurt the pride of ").repeated(4).split(' ');
    std::set<double> sizes;
    for (int count = 4; count <= words.size(); count += 2) {
        const QString text = words.mid(0, count).join(' ').trimmed();
        const platform::FittedText fitted = platform::fitText(text, font, width, height);
        const double size = fitted.font.pointSizeF();
        sizes.insert(size);
        EXPECT_EQ(std::fmod(12 - size, 0.5), 0) << size;
        EXPECT_GE(size, 9);
        if (size < 12) {
            EXPECT_FALSE(fitsAt(text, font, size + 0.5, width, height)) << count;
        }
        if (fitsAt(text, font, size, width, height)) {
            EXPECT_EQ(fitted.lines.join(' '), text) << count;
        } else {
            EXPECT_EQ(size, 9) << count;
            EXPECT_TRUE(fitted.lines.last().endsWith(QChar(0x2026)))
                << fitted.lines.join('|').toStdString();
        }
    }
    EXPECT_GE(sizes.size(), 4u) << "sizes between the largest and the smallest were tried";
}

} // namespace
