// SPDX-License-Identifier: GPL-3.0-or-later
#include "modglobal.h"
#include "platform/textfile.h"
#include "results/formresults.h"
#include "results/resultsrules.h"
#include "support/fakes.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using platform::answer;

namespace {

class resultstest : public ::testing::Test
{
protected:
    FormResults &window() { return forms::results(); }
    QString logfile(const char *name) const { return fakes.path(QStringLiteral("Logs/") + name); }
    QString stamp() const { return datetimeline(fakes.clock.time); }

    testsupport::fakeservices fakes;
};

TEST(resultsrules, FileNamesUseTheTwelveHourClock)
{
    const std::vector<std::pair<QDateTime, const char *>> table{
        {QDateTime(QDate(2026, 12, 4), QTime(16, 41)), "12-04-2026 04 41  PM"},
        {QDateTime(QDate(2026, 1, 9), QTime(0, 5)), "01-09-2026 12 05  AM"},
        {QDateTime(QDate(2026, 7, 30), QTime(12, 0)), "07-30-2026 12 00  PM"},
        {QDateTime(QDate(2026, 7, 30), QTime(9, 59)), "07-30-2026 09 59  AM"}};
    for (const auto &[when, name] : table)
        EXPECT_EQ(logfilename(when), QLatin1String(name));
    EXPECT_EQ(withtextextension("/a/log"), "/a/log.txt");
    EXPECT_EQ(withtextextension("/a/log.txt"), "/a/log.txt");
    EXPECT_EQ(withtextextension("/a/log.old"), "/a/log.old");
    const QString line = datetimeline(QDateTime(QDate(2026, 12, 4), QTime(16, 41, 7)));
    EXPECT_TRUE(
        line.contains(QLocale::system().toString(QDate(2026, 12, 4), QLocale::ShortFormat)));
    EXPECT_TRUE(line.contains("41")) << line.toStdString();
}

TEST_F(resultstest, ShowHideAndCloseBoxKeepOrDiscardTheLog)
{
    EXPECT_TRUE(window().logtext().isEmpty());
    window().appendlog(" CORRECT :a:b");
    window().appendlog(" INCORRECT :c:d");
    EXPECT_FALSE(window().isVisible());
    window().show();
    EXPECT_EQ(window().Text1->toPlainText(), " CORRECT :a:b\n INCORRECT :c:d");

    QTest::mouseClick(window().Command1, Qt::LeftButton);
    EXPECT_FALSE(window().isVisible());
    window().appendlog(" CORRECT :e:f");
    window().show();
    EXPECT_EQ(window().logtext(), " CORRECT :a:b\r\n INCORRECT :c:d\r\n CORRECT :e:f\r\n");

    window().close();
    EXPECT_FALSE(window().isVisible());
    EXPECT_TRUE(window().logtext().isEmpty()) << "the close box discards the log";
    EXPECT_EQ(window().palette().color(QPalette::Window), QPalette().color(QPalette::Window));
}

TEST_F(resultstest, SaveWritesTheStampTheLogAndAFinalLineEnd)
{
    window().appendlog(" CORRECT :(v.) to lessen; to reduce:abate");
    window().appendlog(" INCORRECT :a:b");
    fakes.dialogs.expectsavename(logfile("mine"));
    fakes.dialogs.expect("Log File Saved !");
    fakes.dialogs.expectcolor(QColor(255, 255, 224));
    QTest::mouseClick(window().Command2[1], Qt::LeftButton);

    const auto &request = fakes.dialogs.saverequests.at(0);
    EXPECT_EQ(request.title, "Save Log File");
    EXPECT_EQ(request.filter, "Log Files (*.txt)");
    EXPECT_EQ(request.filename, "12-04-2026 04 41  PM");
    EXPECT_EQ(QDir(request.folder), QDir(fakes.path("Logs")));
    EXPECT_EQ(fakes.dialogs.colorstarts.at(0), QColor(192, 192, 192));
    EXPECT_EQ(fakes.dialogs.shown.at(0).kind, platform::icon::information);
    EXPECT_EQ(fakes.read("Logs/mine.txt"),
              (stamp() + "\r\n CORRECT :(v.) to lessen; to reduce:abate\r\n INCORRECT :a:b"
                         "\r\n\r\n")
                  .toUtf8());
    EXPECT_EQ(window().palette().color(QPalette::Window), QColor(255, 255, 224));

    // Saving again under the same name replaces the file; a cancelled colour picker leaves
    // the window light grey.
    window().appendlog(" CORRECT :x:y");
    fakes.dialogs.expectsavename(logfile("mine.txt"));
    fakes.dialogs.expect("Log File Saved !");
    fakes.dialogs.expectcolor(std::nullopt);
    window().mnuSave->trigger();
    EXPECT_EQ(fakes.read("Logs/mine.txt"),
              (stamp() + "\r\n CORRECT :(v.) to lessen; to reduce:abate\r\n INCORRECT :a:b"
                         "\r\n CORRECT :x:y\r\n\r\n")
                  .toUtf8());
    EXPECT_EQ(window().palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(resultstest, AnEmptyLogSavesTheStampAndTwoLineEnds)
{
    fakes.dialogs.expectsavename(logfile("empty.txt"));
    fakes.dialogs.expect("Log File Saved !");
    fakes.dialogs.expectcolor(std::nullopt);
    window().mnuSave_Click();
    EXPECT_EQ(fakes.read("Logs/empty.txt"), (stamp() + "\r\n\r\n").toUtf8());
}

TEST_F(resultstest, CancelledBlankAndFailedSavesWriteNothing)
{
    window().appendlog(" CORRECT :a:b");
    fakes.dialogs.expectsavename(QString());
    window().mnuSave_Click();
    EXPECT_TRUE(fakes.dialogs.shown.empty()) << "a cancelled picker says nothing";

    fakes.dialogs.expectsavename("   ");
    fakes.dialogs.expect("Please enter a valid filename");
    window().mnuSave_Click();

    fakes.write("Logs/kept.txt", "earlier log");
    platform::injectwritefailure(true);
    fakes.dialogs.expectsavename(logfile("kept.txt"));
    fakes.dialogs.expect(QStringLiteral("The log could not be saved. Cannot write %1: No space "
                                        "left on device")
                             .arg(QDir::toNativeSeparators(logfile("kept.txt"))));
    window().mnuSave_Click();
    platform::injectwritefailure(false);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
    EXPECT_EQ(fakes.read("Logs/kept.txt"), "earlier log");
    EXPECT_EQ(QDir(fakes.path("Logs")).entryList(QDir::Files), QStringList({"kept.txt"}));
}

TEST_F(resultstest, PrintMakesAPageOrSaysItFailed)
{
    window().appendlog(" CORRECT :a:b");
    window().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
    QTest::mouseClick(window().Command2[0], Qt::LeftButton);
    ASSERT_EQ(fakes.printer.printed.size(), 1u);
    EXPECT_GT(QFileInfo(fakes.printer.printed[0]).size(), 1000);

    fakes.printer.works = false;
    fakes.dialogs.expect("Error in Printing");
    window().mnuprint->trigger();
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
    EXPECT_TRUE(window().isVisible());
}

TEST_F(resultstest, ThirtyThousandLinesStayWhole)
{
    for (int i = 0; i < 30000; ++i)
        window().appendlog(QStringLiteral(" CORRECT :meaning %1:word").arg(i));
    const QString text = window().logtext();
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 30000);
    EXPECT_TRUE(text.endsWith(" CORRECT :meaning 29999:word\r\n"));
}

} // namespace
