// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/displaysettings.h"
#include "support/fakes.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

const QByteArray custom = "255\r\nGaramond\r\n40\r\n16711680\r\n  \r\n15\r\n65280\r\nCourier "
                          "New\r\n11\r\n-1\r\nVerdana\r\n20";

TEST(displaysettings, TheFileTextReadsBackToTheSameSettings)
{
    EXPECT_EQ(DisplaySettings().fileText().toUtf8(), testsupport::defaultsettings());
    const auto read = DisplaySettings::fromLines(QString::fromUtf8(custom).split("\r\n"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->fileText().toUtf8(), custom);
    EXPECT_EQ(read->style(DisplaySettings::MemoryCards), (TextStyle{"  ", 15, 16711680}));
    EXPECT_EQ(read->style(DisplaySettings::MemoryCards).color(), QColor(0, 0, 255));
    EXPECT_EQ(read->style(DisplaySettings::FlashCards).color(), QColor(255, 255, 255));
    EXPECT_EQ(read->style(DisplaySettings::AnswerButtons).font().pointSizeF(), 11);
}

TEST(displaysettings, AnUnusableFileGivesTheDefaults)
{
    testsupport::fakeservices fakes;
    const QByteArray good = testsupport::defaultsettings();
    const std::vector<std::pair<QByteArray, bool>> table{
        {custom + "\r\n", true},
        {custom + "\r\nextra\r\n\r\nmore", true},
        {QByteArray(good).replace("Book Antiqua", ""), false},
        {good.left(good.lastIndexOf("\r\n")), false},
        {QByteArray(good).replace(0, 1, "red"), false},
        {QByteArray(good).replace(0, 1, "4294967296"), false},
        {QByteArray(good).replace("36", "big"), false},
        {QByteArray(good).replace("36", "0"), false},
        {QByteArray(good).replace("\r\n", "\n"), false},
        {{}, false}};
    for (const auto &[bytes, usable] : table) {
        QFile::remove(fakes.path("settings/settings.ini"));
        if (!bytes.isNull())
            fakes.write("settings/settings.ini", bytes);
        DisplaySettings settings;
        settings.setStyle(DisplaySettings::MainWord, {"Stale", 1, 1});
        EXPECT_EQ(settings.load(fakes.appinfo.folder), usable) << bytes.toStdString();
        EXPECT_EQ(settings.style(DisplaySettings::MainWord).fontName,
                  usable ? "Garamond" : "Arial");
    }
}

TEST(displaysettings, SizesReadInTheSystemAndTheCNumberFormat)
{
    using namespace displaysettings;
    EXPECT_EQ(tosize("13.5"), 13.5f);
    EXPECT_EQ(tosize(QLocale::system().toString(13.5)), 13.5f);
    EXPECT_EQ(sizetext(13.5f), QLocale::system().toString(13.5));
    EXPECT_EQ(sizetext(1234), "1234") << "no group separator";
}

} // namespace
