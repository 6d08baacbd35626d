// SPDX-License-Identifier: GPL-3.0-or-later
#include "modglobal.h"
#include "platform/textfile.h"
#include "settings/displaysettings.h"
#include "settings/globalfileroutines.h"
#include "support/fakes.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

using platform::answer;

namespace {

const QString saved = QStringLiteral(
    "Settings have been saved , They will be loaded the next time you start your program ");
const QString question = QStringLiteral("Update Color and Font Settings ?");

QStringList current()
{
    QStringList values;
    for (const QString *setting : displaysettings::fileorder())
        values << *setting;
    return values;
}

QStringList defaultvalues()
{
    return QStringList(displaysettings::defaults().begin(), displaysettings::defaults().end());
}

class settingstest : public ::testing::Test
{
protected:
    void settingsfile(const QByteArray &content) { fakes.write("settings/settings.ini", content); }

    testsupport::fakeservices fakes;
};

TEST_F(settingstest, ReadsTheTwelveLinesInFileOrder)
{
    const QByteArray custom =
        "255\r\nGaramond\r\n40\r\n16711680\r\n  \r\n15\r\n65280\r\nCourier New\r\n11\r\n"
        "16744576\r\nVerdana\r\n20";
    const std::vector<std::pair<const char *, QByteArray>> table{
        {"as written", custom},
        {"trailing CR LF", custom + "\r\n"},
        {"extra lines", custom + "\r\nextra\r\n\r\nmore"}};
    for (const auto &[name, content] : table) {
        settingsfile(content);
        EXPECT_TRUE(loadsettings()) << name;
        EXPECT_EQ(modglobal::mainfontcolor, "255") << name;
        EXPECT_EQ(modglobal::mainfontname, "Garamond");
        EXPECT_EQ(modglobal::memoryfontcolor, "16711680");
        EXPECT_EQ(modglobal::memoryfontname, "  ") << "blanks are a name, not an empty line";
        EXPECT_EQ(modglobal::answercolor, "65280");
        EXPECT_EQ(modglobal::answerfontname, "Courier New");
        EXPECT_EQ(modglobal::answerfontsize, "11");
        EXPECT_EQ(modglobal::flashfontname, "Verdana");
        EXPECT_EQ(modglobal::flashfontsize, "20") << name;
    }
}

TEST_F(settingstest, UnusableFilesReportFalse)
{
    const QByteArray good = testsupport::defaultsettings();
    QByteArray emptyeighth = good;
    emptyeighth.replace("Book Antiqua", "");
    const std::vector<std::pair<const char *, QByteArray>> table{
        {"empty eighth line", emptyeighth},
        {"eleven lines", good.left(good.lastIndexOf("\r\n"))},
        {"empty file", ""},
        {"colour not a number", QByteArray(good).replace(0, 1, "red")},
        {"size not a number", QByteArray(good).replace("36", "big")},
        {"size zero", QByteArray(good).replace("36", "0")},
        {"lone LF separators", QByteArray(good).replace("\r\n", "\n")}};
    for (const auto &[name, content] : table) {
        settingsfile(content);
        EXPECT_FALSE(loadsettings()) << name;
    }
    QFile::remove(fakes.path("settings/settings.ini"));
    EXPECT_FALSE(loadsettings()) << "missing file";
    EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(settingstest, ColourAndSizeTexts)
{
    EXPECT_EQ(displaysettings::tocolor("255"), 255);
    EXPECT_EQ(displaysettings::tocolor(" 16711680 "), 16711680);
    EXPECT_EQ(displaysettings::tocolor("-1"), -1);
    EXPECT_FALSE(displaysettings::tocolor("4294967296"));
    EXPECT_FALSE(displaysettings::tocolor("blue"));
    EXPECT_EQ(displaysettings::tosize("12"), 12.0f);
    EXPECT_EQ(displaysettings::tosize(QLocale::system().toString(13.5)), 13.5f);
    EXPECT_EQ(displaysettings::tosize("13.5"), 13.5f);
    EXPECT_FALSE(displaysettings::tosize("-3"));
    EXPECT_EQ(displaysettings::sizetext(12), "12");
    EXPECT_EQ(displaysettings::sizetext(13.5f), QLocale::system().toString(13.5));
}

TEST_F(settingstest, WritingTheDefaultsReadsThemBack)
{
    QFile::remove(fakes.path("settings/settings.ini"));
    QDir(fakes.path("settings")).removeRecursively();
    displaysettings::applydefaults();
    const QString text = current().join(QStringLiteral("\r\n"));
    fakes.dialogs.expect(question, answer::ok);
    fakes.dialogs.expect(saved);
    writesettings(QStringLiteral("settings.ini"), text);
    EXPECT_EQ(fakes.read("settings/settings.ini"), testsupport::defaultsettings());

    modglobal::reset();
    EXPECT_TRUE(loadsettings());
    EXPECT_EQ(current(), defaultvalues());
}

TEST_F(settingstest, CancelWritesNothing)
{
    settingsfile("old");
    fakes.dialogs.expect(question, answer::cancel);
    writesettings(QStringLiteral("settings.ini"), QStringLiteral("new"));
    EXPECT_EQ(fakes.read("settings/settings.ini"), "old");
}

TEST_F(settingstest, AFailedWriteSaysSoAndKeepsTheOldFile)
{
    settingsfile(testsupport::defaultsettings());
    platform::injectwritefailure(true);
    fakes.dialogs.expect(question, answer::ok);
    fakes.dialogs.expect(QStringLiteral("The settings could not be saved. Cannot write %1: No "
                                        "space left on device")
                             .arg(QDir::toNativeSeparators(fakes.path("settings/settings.ini"))));
    writesettings(QStringLiteral("settings.ini"), QStringLiteral("new"));
    platform::injectwritefailure(false);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
    EXPECT_EQ(fakes.read("settings/settings.ini"), testsupport::defaultsettings());
    EXPECT_EQ(QDir(fakes.path("settings")).entryList(QDir::Files), QStringList({"settings.ini"}))
        << "no temporary file is left behind";

    // A folder that cannot be created: a file stands where it should be.
    QDir(fakes.path("settings")).removeRecursively();
    fakes.write("settings", "in the way");
    fakes.dialogs.expect(question, answer::ok);
    fakes.dialogs.expect(QStringLiteral("The settings could not be saved. Cannot create the "
                                        "folder %1.")
                             .arg(QDir::toNativeSeparators(fakes.path("settings"))));
    writesettings(QStringLiteral("settings.ini"), QStringLiteral("new"));
}

} // namespace
