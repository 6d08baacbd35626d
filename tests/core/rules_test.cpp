// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/answerlog.h"
#include "core/displaysettings.h"
#include "core/editorrules.h"
#include "core/flashrules.h"
#include "core/memoryrules.h"
#include "core/pronunciations.h"
#include "core/resultsrules.h"
#include "core/reviewrules.h"
#include "core/speechsettings.h"
#include "support/fakes.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <set>

using namespace core;

namespace {

constexpr float largestBelowOne = 0.99999994f;

TEST(answerLog, EveryLineEndsInCrLfAlsoWithinAMeaningAndTheFileIsNamedOnTheTwelveHourClock)
{
    AnswerLog log;
    log.append({true, "(v.) lessen", "abate"});
    log.append({false, "a\nb\rc\r\nd\u2028e", "w"});
    EXPECT_EQ(log.text(), " CORRECT :(v.) lessen:abate\r\n INCORRECT :a\r\nb\r\nc\r\nd\r\ne:w\r\n");
    QStringList names;
    for (const QTime &time : {QTime(0, 5), QTime(12, 0), QTime(9, 59)})
        names << logFileName(QDateTime(QDate(2026, 12, 4), time));
    EXPECT_EQ(names.join('/'), "12-04-2026 12 05  AM/12-04-2026 12 00  PM/12-04-2026 09 59  AM");
}

TEST(editorRules, OnlyTextsThatLoadBackWholeMaySave)
{
    const std::vector<std::pair<QString, const char *>> table{
        {"<GRE>\n<word>a</word>\n<meaning>m\n</GRE>", "mismatch (line 4)."},
        {"<GRE><word>a</word><word>b</word><meaning>m</meaning><usage>u</usage><usage>v</usage>"
         "</GRE>",
         "holds 2 word, 1 meaning and 2 usage elements"},
        {"<GRE><word>a</word><meaning>m</meaning></GRE>", "1 word, 1 meaning and 0 usage"},
        {"<GRE></GRE>", "no word element"},
        {"", "(line 1)"},
        {"<GRE>" + QString("<word>w</word>").repeated(32768) + "</GRE>", "32768 elements"},
        {"<l><e><usage>u</usage><meaning>m</meaning><word>x &amp; y</word></e></l>", ""}};
    for (const auto &[text, problem] : table) {
        const QString found = checkEditorText(text).problem;
        EXPECT_TRUE(found.contains(QLatin1String(problem)) && found.isEmpty() == !*problem)
            << found.toStdString();
    }
    const WordLists lists = checkEditorText(table.back().first).lists;
    EXPECT_EQ(lists.words + lists.meanings + lists.usages, QStringList({"x & y", "m", "u"}));
}

TEST(flashAndMemoryRules, TheLargestDrawStaysWithinTheListAndNoTextPairsWithNone)
{
    // The window tests step, deal and pair; here the edges they do not reach.
    EXPECT_EQ(flashrules::drawPosition(largestBelowOne, 32767), 32766);
    EXPECT_EQ(memoryrules::dealPosition(largestBelowOne, 32767), 32766);
    EXPECT_EQ(memoryrules::dealPosition(0.0f, 6), 1) << "the first entry is never dealt";
    EXPECT_EQ(memoryrules::arrangementNumber(largestBelowOne), 14);
    // Each arrangement lays the sixteen cards on the sixteen places of the table, one a place.
    const auto placesOf = [](int number) {
        std::set<std::pair<int, int>> places;
        const auto arrangement = memoryrules::arrangement(number); // kept while it is walked
        for (const QPoint &place : *arrangement)
            places.insert({place.x(), place.y()});
        return places;
    };
    EXPECT_EQ(placesOf(11).size(), size_t(memoryrules::cardCount));
    for (const int number : {1, 4, 6, 9, 14})
        EXPECT_EQ(placesOf(number), placesOf(11)) << number;
    EXPECT_EQ(drawLayout(largestBelowOne), 100);
    // Two cards whose text is in neither list never pair.
    std::array<QString, memoryrules::cardCount> captions;
    captions[7] = captions[15] = "in neither list";
    EXPECT_FALSE(memoryrules::isPair({7, 15}, captions, {}, {}));
}

TEST(displaysettings, TheFileReadsBackAndAnUnusableFileGivesTheDefaults)
{
    const QByteArray custom = "255\r\nGaramond\r\n40\r\n16711680\r\n  \r\n15\r\n65280\r\nCourier "
                              "New\r\n11\r\n-1\r\nVerdana\r\n20";
    EXPECT_EQ(DisplayStyles().fileText().toUtf8(), testsupport::defaultSettings());
    const auto read = DisplayStyles::fromLines(QString::fromUtf8(custom).split("\r\n"));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->fileText().toUtf8(), custom);
    EXPECT_EQ(read->style(DisplayStyles::MemoryCards).color(), QColor(0, 0, 255));
    EXPECT_EQ(read->style(DisplayStyles::FlashCards).color(), QColor(255, 255, 255));

    testsupport::FakeServices fakes;
    // What a load of the bytes (none: no file) gives: a font name read, the defaults or neither.
    const auto loaded = [&](const QByteArray &bytes) {
        QFile::remove(fakes.path("settings/settings.ini"));
        if (!bytes.isNull())
            fakes.write("settings/settings.ini", bytes);
        DisplayStyles settings;
        settings.setStyle(DisplayStyles::MainWord, {"Stale", 1, 1});
        if (settings.load(fakes.appInfo.folder))
            return settings.style(DisplayStyles::MainWord).fontName;
        return QString(settings == DisplayStyles() ? "defaults" : "neither");
    };
    EXPECT_EQ(loaded(custom + "\r\nextra\r\n\r\nmore") + loaded({}), "Garamonddefaults");
    // An empty line, eleven lines, colours and sizes that are none, LF line ends.
    for (const auto &[from, to] : std::vector<std::pair<const char *, const char *>>{
             {"Book Antiqua", ""},
             {"\r\n24", ""},
             {"0\r\nArial\r\n36", "red\r\nArial\r\n36"},
             {"0\r\nArial\r\n36", "4294967296\r\nArial\r\n36"},
             {"36", "big"},
             {"36", "0"},
             {"\r\n", "\n"}})
        EXPECT_EQ(loaded(testsupport::defaultSettings().replace(from, to)), "defaults") << from;
    // Sizes in the user's number format and in C's, written without group separators.
    using namespace displaysettings;
    EXPECT_EQ(*toSize("13.5") + *toSize(QLocale::system().toString(13.5)), 27.0f);
    EXPECT_EQ(sizeText(13.5f) + sizeText(1234), QLocale::system().toString(13.5) + "1234");
}

TEST(speech, SettingsKeepWhatIsValidAndWriteWhatTheyRead)
{
    const std::vector<std::tuple<QString, bool, QString, int>> cases{
        {"speak_automatically=yes\r\nvoice= kal16 \r\nrate=-10\r\n", true, "kal16", -10},
        {"speak_automatically=1\nvoice=\nrate=11\n", false, "", 0},
        {"rate=3.5\nspeak_automatically = yes\ngarbage", true, "", 0}};
    // A voice name cannot add a line.
    EXPECT_EQ(speechSettingsText({true, "a\nrate=9", 2}), speechSettingsText({true, "", 2}));
    for (const auto &[text, automatic, voice, rate] : cases) {
        const SpeechOptions read = speechSettingsFromText(text);
        EXPECT_EQ(read, (SpeechOptions{automatic, voice, rate})) << text.toStdString();
        EXPECT_EQ(speechSettingsFromText(speechSettingsText(read)), read);
    }
}

TEST(speech, AnIpaListIsTakenWholeOrNotAtAll)
{
    const std::vector<std::pair<QByteArray, QString>> cases{
        {"# comment\r\nLaconic\t/ləˈkɒnɪk/\r\n\r\nad  hoc\t/ˈæd hˈɑːk/\r\n", "/ləˈkɒnɪk/"},
        {"laconic\t/ləˈkɒnɪk/\nzeal /ziːl/\n", ""},
        {"laconic\tləˈkɒnɪk\n", ""},
        {"laconic\t/ləˈkɒnɪk/\textra\n", ""},
        {"laconic\t/\xff/\n", ""},
        {"laconic\t/l/\n", "/l/"},
        {"laconic\t//\n", ""}};
    for (const auto &[bytes, expected] : cases)
        EXPECT_EQ(Pronunciations::fromText(bytes, "test").of(" LACONIC "), expected)
            << bytes.toStdString();
    // A word is found however its letters and spaces are written.
    EXPECT_EQ(Pronunciations::fromText(cases[0].first, "test").of("Ad Hoc"), "/ˈæd hˈɑːk/");
}

} // namespace
