// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/formmain.h"
#include "help/formabout.h"
#include "platform/appicon.h"
#include "platform/services.h"
#include "support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class abouttest : public ::testing::Test
{
protected:
    FormAbout &window() { return forms::about(); }

    testsupport::fakeservices fakes;
};

TEST_F(abouttest, ShowsTheVersionOfTheRecord)
{
    const std::vector<std::pair<platform::version, QString>> table{{{1, 0, 0}, "Version 1.0.0"},
                                                                   {{2, 3, 10}, "Version 2.3.10"},
                                                                   {{0, 12, 0}, "Version 0.12.0"}};
    for (const auto &[number, line] : table) {
        fakes.appinfo.current = number;
        window().open();
        EXPECT_EQ(window().lblVersion->text(), line);
        QTest::mouseClick(window().Command1, Qt::LeftButton);
        EXPECT_FALSE(window().isVisible()) << "Ok closes, the next opening loads afresh";
    }
}

TEST_F(abouttest, ShowsNameIconAndNotices)
{
    FormMain main;
    main.mnuabout->trigger();
    ASSERT_TRUE(window().isVisible());
    EXPECT_EQ(window().windowTitle(), "About Vocabrix");
    EXPECT_EQ(window().Command1->text(), "&Ok");
    EXPECT_TRUE(window().lblTitle->text().startsWith("Vocabrix"));
    EXPECT_EQ(window().lblVersion->font().family(), "Comic Sans MS");
    EXPECT_EQ(window().lblDescription->font().family(), "Comic Sans MS");
    EXPECT_TRUE(window().lblDescription->text().contains("vocabulary"));
    EXPECT_TRUE(window().lblNotices->text().contains("gre.xml"));
    EXPECT_TRUE(window().findChild<QFrame *>("Line1"));
    const QImage icon = window().picIcon->pixmap().toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(qAlpha(icon.pixel(icon.width() / 2, icon.height() / 2)), 255)
        << "the icon was drawn, not left blank";
}

TEST(appicon, EveryWindowHasTheProgramsIcon)
{
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_TRUE(QApplication::windowIcon().availableSizes().contains(QSize(32, 32)));
    const QImage large = platform::applicationpixmap(48, 2.0).toImage();
    EXPECT_EQ(large.size(), QSize(96, 96)) << "sharp on a screen at 200 %";
    EXPECT_EQ(qAlpha(large.pixel(0, 0)), 0) << "rounded corners stay transparent";
}

TEST(appinfo, TheVersionComesFromTheProject)
{
    const platform::version number = platform::services().appinfo->version();
    EXPECT_EQ(QStringLiteral("%1.%2.%3").arg(number.major).arg(number.minor).arg(number.revision),
              QStringLiteral(VOCABRIX_PROJECT_VERSION));
    EXPECT_EQ(versionline(number), QStringLiteral("Version " VOCABRIX_PROJECT_VERSION));
}

} // namespace
