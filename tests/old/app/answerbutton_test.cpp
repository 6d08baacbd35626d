// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/answerbutton.h"
#include "app/review.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(review, DrawnPositionsSpanTheReviewRange)
{
    const std::vector<std::tuple<float, int, int>> table{
        {0.0f, 5, 1},  {0.2499f, 5, 1}, {0.25f, 5, 2},    {0.99999994f, 5, 4},        {0.5f, 2, 1},
        {0.99f, 2, 1}, {0.7f, 1, 1},    {0.0f, 32767, 1}, {0.99999994f, 32767, 32766}};
    for (const auto &[rnd, n, position] : table)
        EXPECT_EQ(drawposition(rnd, n), position) << rnd << " over " << n;
}

TEST(answerbutton, ClicksAndPaintsItsCaptionInside)
{
    answerbutton button;
    button.resize(333, 60);
    button.setbackcolor(Qt::black);
    button.setText("a caption long enough to need more than one line inside the button face");
    QSignalSpy clicked(&button, &QPushButton::clicked);
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);

    // White caption pixels appear on the black face, in more than one text row.
    const QImage image = button.grab().toImage();
    int rowswithtext = 0;
    for (int y = 0; y < image.height(); ++y) {
        int bright = 0;
        for (int x = 10; x < image.width() - 10; ++x)
            bright += qGray(image.pixel(x, y)) > 200;
        rowswithtext += bright > 0;
    }
    EXPECT_GT(rowswithtext, 16);
}

} // namespace
