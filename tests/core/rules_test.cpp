// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/answerlog.h"
#include "core/editorrules.h"
#include "core/flashrules.h"
#include "core/memoryrules.h"
#include "core/resultsrules.h"

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
    const std::vector<std::pair<QTime, const char *>> table{{QTime(16, 41), "12-04-2026 04 41  PM"},
                                                            {QTime(0, 5), "12-04-2026 12 05  AM"},
                                                            {QTime(12, 0), "12-04-2026 12 00  PM"},
                                                            {QTime(9, 59), "12-04-2026 09 59  AM"}};
    for (const auto &[time, name] : table)
        EXPECT_EQ(logfilename(QDateTime(QDate(2026, 12, 4), time)), QLatin1String(name));
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

TEST(flashrules, StepsAndDrawsStayWithinTheList)
{
    // n = 5: entries at 0..4, the empty end position at 5; 0.5 draws position 3.
    const std::vector<std::array<int, 4>> table{// from, flash, previous, next
                                                {0, 1, 1, 1},
                                                {1, 3, 0, 2},
                                                {4, 3, 3, 5},
                                                {5, 1, 4, 5},
                                                {9, 1, 5, 5}};
    for (const auto &[from, flash, previous, next] : table) {
        EXPECT_EQ((std::array<int, 3>{flashrules::flash(from, 5, 0.5f),
                                      flashrules::previous(from, 5), flashrules::next(from, 5)}),
                  (std::array<int, 3>{flash, previous, next}))
            << from;
    }
    EXPECT_EQ(flashrules::drawposition(largestbelowone, 32767), 32766);
}

TEST(memoryrules, ArrangementsDealsAndPairs)
{
    for (int number = 1; number <= 14; ++number)
        EXPECT_EQ(memoryrules::arrangement(number).has_value(), number != 5 && number != 10);
    EXPECT_EQ(memoryrules::arrangementnumber(largestbelowone), 14);
    EXPECT_EQ(memoryrules::dealposition(0.0f, 6), 1) << "the first entry is never dealt";
    EXPECT_EQ(memoryrules::dealposition(largestbelowone, 32767), 32766);
    EXPECT_EQ(memoryrules::countup(32767), 32767);

    const memoryrules::dealt words{"w1", "w2", "w1", "w4", "w5", "w6", "w7", "x"},
        meanings{"m1", "m2", "m1", "m4", "m5", "m6", "m7", "y"};
    std::array<QString, memoryrules::cardcount> captions;
    std::copy(words.begin(), words.end(), captions.begin());
    std::copy(meanings.begin(), meanings.end(), captions.begin() + 8);
    captions[7] = captions[15] = "in neither list";
    const std::vector<std::pair<std::vector<int>, bool>> table{
        {{0, 8}, true},  {{2, 8}, true},  {{0, 10}, true},  {{1, 9}, true}, {{1, 8}, false},
        {{0, 1}, false}, {{8, 9}, false}, {{7, 15}, false}, {{5}, false},   {{0, 8, 9}, true}};
    for (const auto &[up, pair] : table) {
        std::array<bool, memoryrules::cardcount> faceup{};
        for (int card : up)
            faceup[size_t(card)] = true;
        EXPECT_EQ(memoryrules::ispair(memoryrules::lowestfaceup(faceup), captions, words, meanings),
                  pair)
            << ::testing::PrintToString(up);
    }
}

} // namespace
