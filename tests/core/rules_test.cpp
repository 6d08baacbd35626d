// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/answerlog.h"
#include "core/displaysettings.h"
#include "core/editorrules.h"
#include "core/flashrules.h"
#include "core/memoryrules.h"
#include "core/resultsrules.h"
#include "support/fakes.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

constexpr float largestbelowone = 0.99999994f;

TEST(answerlog, EveryLineEndsInCrLfAlsoWithinAMeaning)
{
    AnswerLog log;
    log.append({true, "(v.) lessen", "abate"});
    log.append({false, "a\nb\rc\r\nd\u2028e", "w"});
    EXPECT_EQ(log.text(), " CORRECT :(v.) lessen:abate\r\n INCORRECT :a\r\nb\r\nc\r\nd\r\ne:w\r\n");
    log.clear();
    EXPECT_EQ(log.text(), QString());
}

TEST(resultsrules, TheLogFileIsNamedOnTheTwelveHourClock)
{
    QStringList names;
    for (const QTime &time : {QTime(16, 41), QTime(0, 5), QTime(12, 0), QTime(9, 59)})
        names << logfilename(QDateTime(QDate(2026, 12, 4), time));
    EXPECT_EQ(names.join('/'), "12-04-2026 04 41  PM/12-04-2026 12 05  AM/12-04-2026 12 00  PM/"
                               "12-04-2026 09 59  AM");
    EXPECT_EQ(logfilecontent("stamp", " CORRECT :a:b\r\n"), "stamp\r\n CORRECT :a:b\r\n\r\n");
    EXPECT_EQ(withtextextension("/a/log") + withtextextension("/a/log.old"),
              "/a/log.txt/a/log.old");
}

TEST(editorrules, OnlyTextsThatLoadBackWholeMaySave)
{
    const std::vector<std::pair<QString, QString>> table{
        {"<GRE>\n<word>a</word>\n<meaning>m\n</GRE>",
         "The text is not well-formed XML: Start-end tags mismatch (line 4)."},
        {"<GRE><word>a</word><word>b</word><meaning>m</meaning><usage>u</usage><usage>v</usage>"
         "</GRE>",
         "The text holds 2 word, 1 meaning and 2 usage elements; every word needs one meaning "
         "and one usage."},
        {"<GRE></GRE>", "The text holds no word element."},
        {"", "The text is not well-formed XML: No document element found (line 1)."},
        {"<GRE>" + QString("<word>w</word>").repeated(32768) + "</GRE>",
         "The dictionary holds 32768 elements of one kind; at most 32767 are supported."},
        {"<l><e><usage>u</usage><meaning>m</meaning><word>x &amp; y</word></e></l>", ""}};
    for (const auto &[text, problem] : table)
        EXPECT_EQ(checkeditortext(text).problem, problem) << text.left(80).toStdString();
    const wordlists lists = checkeditortext(table.back().first).lists;
    EXPECT_EQ(lists.words + lists.meanings + lists.usages, QStringList({"x & y", "m", "u"}));
}

TEST(flashandmemoryrules, PositionsStayWithinTheListAndOnlyAWordWithItsMeaningPairs)
{
    // n = 5: entries at 0..4, the empty end position at 5; 0.5 draws position 3.
    QString steps;
    for (int from : {0, 1, 4, 5, 9})
        steps += QString("%1:%2%3%4 ")
                     .arg(from)
                     .arg(flashrules::flash(from, 5, 0.5f))
                     .arg(flashrules::previous(from, 5))
                     .arg(flashrules::next(from, 5));
    EXPECT_EQ(steps, "0:111 1:302 4:335 5:145 9:155 ");
    EXPECT_EQ(flashrules::drawposition(largestbelowone, 32767), 32766);
    EXPECT_EQ(memoryrules::dealposition(largestbelowone, 32767), 32766);
    EXPECT_EQ(memoryrules::dealposition(0.0f, 6), 1) << "the first entry is never dealt";
    EXPECT_EQ(memoryrules::arrangementnumber(largestbelowone), 14);
    for (int number = 1; number <= 14; ++number)
        EXPECT_EQ(memoryrules::arrangement(number).has_value(), number != 5 && number != 10);

    const memoryrules::dealt words{"w1", "w2", "w1", "w4", "w5", "w6", "w7", "x"},
        meanings{"m1", "m2", "m1", "m4", "m5", "m6", "m7", "y"};
    std::array<QString, memoryrules::cardcount> captions;
    std::copy(words.begin(), words.end(), captions.begin());
    std::copy(meanings.begin(), meanings.end(), captions.begin() + 8);
    captions[7] = captions[15] = "in neither list";
    QString pairs;
    for (const std::vector<int> &up : std::vector<std::vector<int>>{
             {0, 8}, {2, 8}, {0, 10}, {1, 9}, {0, 8, 9}, {1, 8}, {0, 1}, {8, 9}, {7, 15}, {5}}) {
        std::array<bool, memoryrules::cardcount> faceup{};
        for (int card : up)
            faceup[size_t(card)] = true;
        pairs += memoryrules::ispair(memoryrules::lowestfaceup(faceup), captions, words, meanings)
                     ? '1'
                     : '0';
    }
    EXPECT_EQ(pairs, "1111100000");
}

const QByteArray custom = "255\r\nGaramond\r\n40\r\n16711680\r\n  \r\n15\r\n65280\r\nCourier "
                          "New\r\n11\r\n-1\r\nVerdana\r\n20";

TEST(displaysettings, TheFileTextReadsBackAndAnUnusableFileGivesTheDefaults)
{
    EXPECT_EQ(DisplaySettings().fileText().toUtf8(), testsupport::defaultsettings());
    const auto read = DisplaySettings::fromLines(QString::fromUtf8(custom).split("\r\n"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->fileText().toUtf8(), custom);
    EXPECT_EQ(read->style(DisplaySettings::MemoryCards), (TextStyle{"  ", 15, 16711680}));
    EXPECT_EQ(read->style(DisplaySettings::MemoryCards).color(), QColor(0, 0, 255));
    EXPECT_EQ(read->style(DisplaySettings::FlashCards).color(), QColor(255, 255, 255));
    EXPECT_EQ(read->style(DisplaySettings::AnswerButtons).font().pointSizeF(), 11);

    testsupport::fakeservices fakes;
    // What a load of the bytes (none: no file) gives: a font name read, the defaults or neither.
    const auto loaded = [&](const QByteArray &bytes) {
        QFile::remove(fakes.path("settings/settings.ini"));
        if (!bytes.isNull())
            fakes.write("settings/settings.ini", bytes);
        DisplaySettings settings;
        settings.setStyle(DisplaySettings::MainWord, {"Stale", 1, 1});
        if (settings.load(fakes.appinfo.folder))
            return settings.style(DisplaySettings::MainWord).fontName;
        return QString(settings == DisplaySettings() ? "defaults" : "neither");
    };
    EXPECT_EQ(loaded(custom + "\r\n") + loaded(custom + "\r\nextra\r\n\r\nmore"),
              "GaramondGaramond");
    EXPECT_EQ(loaded({}), "defaults");
    // An empty line, eleven lines, colours and sizes that are none, LF line ends.
    for (const auto &[from, to] : std::vector<std::pair<const char *, const char *>>{
             {"Book Antiqua", ""},
             {"\r\n24", ""},
             {"0\r\nArial\r\n36", "red\r\nArial\r\n36"},
             {"0\r\nArial\r\n36", "4294967296\r\nArial\r\n36"},
             {"36", "big"},
             {"36", "0"},
             {"\r\n", "\n"}})
        EXPECT_EQ(loaded(testsupport::defaultsettings().replace(from, to)), "defaults") << from;
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
