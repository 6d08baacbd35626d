// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary.h"
#include "core/reviewsession.h"
#include "platform/error.h"
#include "support/fakes.h"

#include <QLocale>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace core;

using testsupport::FakeRandom;

namespace {

class ReviewTest : public ::testing::Test
{
protected:
    ReviewTest()
    {
        fakes.write("XML/gre.xml", testsupport::flatXml({{"zero", "m0", "u0"},
                                                         {"one", "m1", "(b)Bold (b)x.(b)"},
                                                         {"two", "m2", "(I)It.(I)"},
                                                         {"three", "m3", "(B)No.(B)"},
                                                         {"four", "m4", "A (b) b."}}));
        dictionary.load("/XML/gre.xml");
    }
    // The draws of the next card: its four other choices by position, then its layout.
    void script(std::array<int, 4> choices = {1, 1, 1, 1}, int layout = 90)
    {
        for (int p : choices)
            fakes.random.script({FakeRandom::forPosition(p, 5)});
        fakes.random.script({(float(layout) - 0.5f) / 100});
    }
    void beginAt(int position)
    {
        fakes.random.script({FakeRandom::forPosition(position, 5), 0, 0, 0, 0});
        session.begin();
    }
    // What the card shows: the word, the usage with its style, the choices.
    QString card() const
    {
        const StyledUsage &usage = session.usage();
        return session.word() + '|' + usage.text + (usage.bold ? "|b" : "") +
               (usage.italic ? "|i" : "") + '|' +
               QStringList(session.choices().begin(), session.choices().end()).join('/');
    }

    testsupport::FakeServices fakes;
    Dictionary dictionary{fakes.appInfo.folder};
    ReviewSession session{dictionary, fakes.random};
};

TEST_F(ReviewTest, BeginShowsADrawnWordAsStoredAndAnEmptyDictionaryClearsIt)
{
    fakes.random.script({FakeRandom::forPosition(2, 5)});
    script({3, 4, 1, 2});
    session.begin();
    EXPECT_EQ(card(), "two|(I)It.(I)|m2/m3/m4/m1/") << "four meanings to draw from, one blank";
    dictionary.load("/XML/missing.xml");
    QSignalSpy changed(&session, &ReviewSession::cardChanged);
    EXPECT_THROW(session.begin(), platform::Error);
    EXPECT_EQ(card() + QString::number(changed.count()), "||////1");
}

TEST_F(ReviewTest, AMarkerAtTheStartStylesTheUsageAndOutsideTheRangeTheCardStays)
{
    // The window tests step and wrap within the review range.
    QStringList styled;
    for (int p = 1; p <= 4; ++p) {
        const StyledUsage usage = styleUsage(dictionary.usage(p));
        styled << usage.text + (usage.bold ? "|b" : "") + (usage.italic ? "|i" : "");
    }
    EXPECT_EQ(styled.join('/'), "Bold x.|b/It.|i/(B)No.(B)/A (b) b.");
    beginAt(3);
    const QString shown = card();
    fakes.write("XML/one.xml", testsupport::flatXml({{"only", "m", "u"}}));
    dictionary.load("/XML/one.xml");
    QSignalSpy changed(&session, &ReviewSession::cardChanged);
    session.next();
    EXPECT_EQ(session.currentPosition(), 1);
    session.previous();
    EXPECT_EQ(session.currentPosition(), 0);
    session.flash();
    EXPECT_EQ(card() + QString::number(changed.count()), shown + "0");
}

TEST_F(ReviewTest, EveryLayoutPutsEachChoiceInItsSlot)
{
    // The slot (1..5, top to bottom) of choices 0..4; the boundaries of the tests are strict.
    beginAt(1);
    QStringList standing;
    for (int r : {1, 19, 20, 21, 44, 45, 46, 64, 65, 66, 84, 85, 100}) {
        script({1, 1, 1, 1}, r);
        session.next();
        standing << QString();
        for (int choice = 0; choice < 5; ++choice)
            standing.back() += QString::number(session.slotOf(choice) + 1);
    }
    EXPECT_EQ(standing.join(' '), "41253 41253 21345 14532 14532 21345 32451 32451 21345 53124 "
                                  "53124 21345 21345");
    EXPECT_EQ(fakes.random.randomized, standing.size()) << "each shuffle reseeds";
}

TEST_F(ReviewTest, NoSlotIsNoAnswerCountersStopAndPercentagesHaveTwoDigitsEachSide)
{
    // The window tests answer by click and key and read the score and the log.
    beginAt(1);
    QSignalSpy answered(&session, &ReviewSession::answered);
    session.answerSlot(5);
    session.answerSlot(-1);
    EXPECT_EQ(answered.count(), 0);
    script({2, 2, 2, 2}); // each draw of the right one gives way: m2/m3/m4/m1/(blank)
    session.next();
    session.answer(4);
    EXPECT_EQ(answered.count(), 0) << "a blank slot is no answer";
    session.answer(3);
    EXPECT_EQ(session.wrongCount(), 1);
    for (int i = 0; i < 32768; ++i) {
        session.answer(0);
        session.answer(1);
    }
    EXPECT_EQ(session.rightCount() + session.wrongCount(), 2 * 32767) << "counters stop";
    EXPECT_EQ(answered.count(), 2 * 32768 + 1) << "every answer is told";
    const std::vector<std::tuple<int, int, const char *>> table{
        {1, 0, "100.00"}, {2, 1, "66.67"}, {1, 19, "05.00"}, {0, 1, "00.00"}, {0, 0, "00.00"}};
    for (const auto &[right, wrong, text] : table)
        EXPECT_EQ(percentText(right, wrong),
                  QString::fromLatin1(text).replace(u'.', QLocale::system().decimalPoint()));
}

TEST(reviewChoices, NoTwoChoicesReadAlikeAndBlankMeaningsAreNeverOffered)
{
    // A list, the position shown, the draws of its four other choices: what the five read.
    struct Case
    {
        const char *meanings; // by '/', entry 0 the heading
        int position;
        std::array<int, 4> draws;
        const char *choices;
    };
    const std::vector<Case> table{
        // Ten words, the right meaning drawn again and again: never shown twice.
        {"h/m1/m2/m3/m4/m5/m6/m7/m8/m9", 4, {4, 4, 9, 4}, "m4/m5/m6/m9/m7"},
        // Spelled alike but for case and spaces: one meaning to a learner.
        {"h/lessen/ Lessen /help/LESSEN/praise/hide/scold",
         1,
         {2, 4, 2, 7},
         "lessen/help/praise/hide/scold"},
        // Two wrong draws alike: the second gives way too.
        {"h/a/b/b/c/d", 1, {2, 3, 3, 3}, "a/b/c/d/"},
        // Fewer than five meanings, blanks among them: the rest stay blank.
        {"h/x/X//y/  /x ", 1, {2, 3, 3, 6}, "x/y///"},
        // The heading is no choice, wherever the draws fall.
        {"heading/p/q", 2, {1, 1, 2, 2}, "q/p///"}};
    for (const Case &each : table) {
        testsupport::FakeServices fakes;
        std::vector<testsupport::entry> entries;
        for (const QString &meaning : QString::fromLatin1(each.meanings).split('/'))
            entries.push_back({"w", meaning, "u"});
        fakes.write("XML/list.xml", testsupport::flatXml(entries));
        Dictionary dictionary(fakes.appInfo.folder);
        const int n = dictionary.load("/XML/list.xml");
        ReviewSession session(dictionary, fakes.random);
        fakes.random.script({FakeRandom::forPosition(each.position, n)});
        for (int draw : each.draws)
            fakes.random.script({FakeRandom::forPosition(draw, n)});
        session.begin();
        EXPECT_EQ(QStringList(session.choices().begin(), session.choices().end()).join('/'),
                  QLatin1String(each.choices))
            << each.choices;
    }
}

} // namespace
