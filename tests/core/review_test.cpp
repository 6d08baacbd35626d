// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary.h"
#include "core/reviewsession.h"
#include "platform/error.h"
#include "support/fakes.h"

#include <QLocale>
#include <QSignalSpy>
#include <gtest/gtest.h>

using testsupport::fakerandom;

namespace {

// Numbers as the user's locale writes them.
QString local(const char *figure)
{
    return QString::fromLatin1(figure).replace(u'.', QLocale::system().decimalPoint());
}

class reviewtest : public ::testing::Test
{
protected:
    reviewtest()
    {
        fakes.write("XML/gre.xml", testsupport::flatxml({{"zero", "m0", "u0"},
                                                         {"one", "m1", "(b)Bold.(b)"},
                                                         {"two", "m2", "(I)It (I)x.(I)"},
                                                         {"three", "m3", "u3"},
                                                         {"four", "m4", "u4"}}));
        dictionary.load("/XML/gre.xml");
    }
    // The draws of the next card: its four other choices, by position, then its layout.
    void script(std::array<int, 4> choices = {1, 1, 1, 1}, int layout = 90)
    {
        for (int p : choices)
            fakes.random.script({fakerandom::forposition(p, 5)});
        fakes.random.script({(float(layout) - 0.5f) / 100});
    }
    void beginAt(int position)
    {
        fakes.random.script({fakerandom::forposition(position, 5), 0, 0, 0, 0});
        session.begin();
    }

    testsupport::fakeservices fakes;
    Dictionary dictionary{fakes.appinfo.folder};
    ReviewSession session{dictionary, fakes.random};
};

TEST_F(reviewtest, BeginShowsADrawnWordAsStoredAndAnEmptyDictionaryClearsIt)
{
    fakes.random.script({fakerandom::forposition(2, 5)});
    script({3, 4, 1, 2});
    session.begin();
    EXPECT_EQ(session.currentPosition(), 2);
    EXPECT_EQ(session.word(), "two");
    EXPECT_EQ(session.usage().text, "(I)It (I)x.(I)");
    EXPECT_EQ(session.choices(), (std::array<QString, 5>{"m2", "m3", "m4", "m1", "m2"}));

    dictionary.load("/XML/missing.xml");
    QSignalSpy changed(&session, &ReviewSession::cardChanged);
    EXPECT_THROW(session.begin(), vocabrix::error);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(session.word() + session.usage().text, QString());
    EXPECT_EQ(session.choices(), (std::array<QString, 5>{}));
}

TEST_F(reviewtest, StepsWrapWithinTheReviewRangeAndStyleTheUsage)
{
    using step = void (ReviewSession::*)();
    const std::vector<std::tuple<step, int, int>> table{{&ReviewSession::next, 1, 2},
                                                        {&ReviewSession::next, 4, 1},
                                                        {&ReviewSession::previous, 1, 4},
                                                        {&ReviewSession::previous, 3, 2},
                                                        {&ReviewSession::flash, 1, 3}};
    for (const auto &[move, from, to] : table) {
        beginAt(from);
        if (move == &ReviewSession::flash)
            fakes.random.script({fakerandom::forposition(3, 5)});
        script();
        (session.*move)();
        EXPECT_EQ(session.currentPosition(), to) << from;
        EXPECT_EQ(session.word(), dictionary.word(to));
        EXPECT_EQ(session.choices()[0], dictionary.meaning(to));
    }
    beginAt(1);
    script();
    session.next();
    EXPECT_EQ(session.usage().text, "It x.");
    EXPECT_TRUE(session.usage().italic);
}

TEST_F(reviewtest, OutsideTheReviewRangeThePositionMovesButTheCardStays)
{
    beginAt(2);
    fakes.write("XML/one.xml", testsupport::flatxml({{"only", "m", "u"}}));
    dictionary.load("/XML/one.xml");
    QSignalSpy changed(&session, &ReviewSession::cardChanged);
    const std::vector<std::pair<void (ReviewSession::*)(), int>> table{
        {&ReviewSession::next, 1}, {&ReviewSession::previous, 0}, {&ReviewSession::flash, 1}};
    for (const auto &[move, position] : table) {
        (session.*move)();
        EXPECT_EQ(session.currentPosition(), position);
        EXPECT_EQ(session.word(), "two");
    }
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(reviewtest, EveryLayoutPutsEachChoiceInItsSlot)
{
    // The slot (1..5, top to bottom) of choices 0..4; the boundaries of the tests are strict.
    const std::vector<std::pair<int, std::array<int, 5>>> table{
        {1, {4, 1, 2, 5, 3}},  {19, {4, 1, 2, 5, 3}}, {20, {2, 1, 3, 4, 5}}, {21, {1, 4, 5, 3, 2}},
        {44, {1, 4, 5, 3, 2}}, {45, {2, 1, 3, 4, 5}}, {46, {3, 2, 4, 5, 1}}, {64, {3, 2, 4, 5, 1}},
        {65, {2, 1, 3, 4, 5}}, {66, {5, 3, 1, 2, 4}}, {84, {5, 3, 1, 2, 4}}, {85, {2, 1, 3, 4, 5}},
        {100, {2, 1, 3, 4, 5}}};
    beginAt(1);
    for (const auto &[r, standing] : table) {
        const int before = fakes.random.randomized;
        script({1, 1, 1, 1}, r);
        session.next();
        EXPECT_EQ(fakes.random.randomized, before + 1) << "each shuffle reseeds";
        for (int choice = 0; choice < 5; ++choice) {
            EXPECT_EQ(session.slotOf(choice) + 1, standing[size_t(choice)]) << "r = " << r;
            EXPECT_EQ(session.choiceInSlot(session.slotOf(choice)), choice);
        }
    }
    EXPECT_EQ(drawlayout(0.0f), 1);
    EXPECT_EQ(drawlayout(0.99999994f), 100);
}

TEST_F(reviewtest, EachAnswerCountsAndIsToldOnce)
{
    beginAt(1);
    script({3, 4, 2, 1}, 10); // choices m2 m3 m4 m2 m1 in slots 4 1 2 5 3
    session.next();
    QSignalSpy answered(&session, &ReviewSession::answered);
    session.answerSlot(3);
    session.answerSlot(0);
    session.answer(3); // the right meaning's text, but not the right choice
    session.answerSlot(5);
    session.answerSlot(-1);
    ASSERT_EQ(answered.count(), 3);
    const std::vector<std::tuple<QString, QString, bool>> told{
        {"two", "m2", true}, {"two", "m3", false}, {"two", "m2", false}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(told[size_t(i)],
                  std::make_tuple(answered[i][0].toString(), answered[i][1].toString(),
                                  answered[i][2].toBool()));
    EXPECT_EQ(session.rightCount(), 1);
    EXPECT_EQ(session.wrongCount(), 2);
    EXPECT_EQ(session.percentText(), local("33.33"));
    EXPECT_EQ(session.currentPosition(), 2) << "answering never moves on";
}

TEST_F(reviewtest, CountersStopAtTheLargestNumber)
{
    beginAt(1);
    for (int i = 0; i < 32768; ++i) {
        session.answer(0);
        session.answer(1);
    }
    EXPECT_EQ(session.rightCount(), 32767);
    EXPECT_EQ(session.wrongCount(), 32767);
    const std::vector<std::tuple<int, int, const char *>> table{
        {1, 0, "100.00"}, {2, 1, "66.67"}, {1, 19, "05.00"}, {0, 1, "00.00"}, {0, 0, "00.00"}};
    for (const auto &[right, wrong, text] : table)
        EXPECT_EQ(percenttext(right, wrong), local(text));
}

TEST(reviewrules, UsageMarkersStyleTheWholeUsage)
{
    const std::vector<std::tuple<const char *, const char *, bool, bool>> table{
        {"(b)Bold (b)x.(b)", "Bold x.", true, false},
        {"(I)It.(I)", "It.", false, true},
        {"(B)No.(B)", "(B)No.(B)", false, false},
        {"A (b) b.", "A (b) b.", false, false}};
    for (const auto &[usage, text, bold, italic] : table) {
        const styledusage styled = styleusage(QLatin1String(usage));
        EXPECT_EQ(styled.text, QLatin1String(text));
        EXPECT_EQ(std::make_pair(styled.bold, styled.italic), std::make_pair(bold, italic));
    }
}

} // namespace
