// SPDX-License-Identifier: GPL-3.0-or-later
#include "modesfixture.h"

#include "core/memorygame.h"
#include "widgets/modes/formmemory.h"
#include "widgets/modes/memorycard.h"

#include <QLabel>
#include <ranges>

using namespace widgets;

using namespace core;

namespace {

class MemoryTest : public ModesFixture
{
protected:
    MemoryTest() { loadWords(20); }

    void scriptDeal(int d, const std::array<int, 8> &positions = {1, 2, 3, 4, 5, 6, 7, 8})
    {
        fakes.random.script({(float(d) - 0.5f) / 14.0f});
        for (int p : positions)
            fakes.random.script({testsupport::FakeRandom::forPosition(p, 20)});
    }
    void startFaceDown(const std::array<int, 8> &positions = {1, 2, 3, 4, 5, 6, 7, 8})
    {
        game.emplace(words, fakes.random);
        game->open(0);
        scriptDeal(5, positions);
        game->newGame();
    }
    int countUp() const
    {
        const auto up = [this](int i) { return game->face(i) == MemoryGame::Face::Up; };
        return int(std::ranges::count_if(std::views::iota(0, 16), up));
    }

    std::optional<MemoryGame> game;
};

TEST_F(MemoryTest, TheDealDrawsEntriesOfTheReviewRangeAndArrangesTheCards)
{
    startFaceDown({1, 19, 7, 7, 2, 3, 4, 5});
    EXPECT_EQ(fakes.random.randomized, 1);
    EXPECT_EQ(game->dealtWords(),
              (memoryrules::Dealt{"w1", "w19", "w7", "w7", "w2", "w3", "w4", "w5"}));
    EXPECT_EQ(game->cardText(9) + game->cardText(15), "m19m5") << "card 8 + i: meaning of card i";
    // Card 3 by arrangement number: 5 and 10 leave it where it stands.
    const std::vector<std::pair<int, QPoint>> table{{5, {120, 5160}},  {13, {6200, 480}},
                                                    {10, {6200, 480}}, {8, {120, 2040}},
                                                    {5, {120, 2040}},  {1, {2160, 480}}};
    for (const auto &[d, place] : table) {
        scriptDeal(d);
        game->deal();
        EXPECT_EQ(game->places()[3], place) << "number " << d;
    }
    game->open(0);
    EXPECT_EQ(game->places(), memoryrules::designPlaces()) << "a fresh board";
}

TEST_F(MemoryTest, AWordPairsWithItsMeaningByText)
{
    // Entry 4 dealt twice: either word card pairs with either meaning card.
    const std::vector<std::tuple<int, int, bool>> table{
        {0, 8, true},  {2, 8, true},  {0, 10, true}, {8, 0, true},  {1, 9, true},
        {1, 8, false}, {0, 1, false}, {8, 9, false}, {15, 7, true}, {14, 7, false}};
    for (const auto &[first, second, pairs] : table) {
        startFaceDown({4, 9, 4, 2, 3, 5, 6, 7});
        game->turn(first);
        game->turn(second);
        game->checkPair();
        EXPECT_EQ(game->isFound(first) && game->isFound(second), pairs) << first << "+" << second;
        EXPECT_EQ(game->pairCheckRunning(), !pairs) << "found or not, both stay face up";
        game->open(0);
        EXPECT_FALSE(game->pairCheckRunning()) << "a board opened anew checks no pair";
    }
}

TEST_F(MemoryTest, TheThirdCardClearsTheTableAndEveryClickCounts)
{
    startFaceDown();
    game->turn(0);
    game->turn(0); // face up already: an attempt, nothing else
    EXPECT_FALSE(game->pairCheckRunning());
    game->turn(8);
    game->checkPair();
    EXPECT_EQ(game->turnedCount(), 2) << "a found pair does not reset the turn";
    game->turn(5);
    EXPECT_EQ(countUp(), 0) << "the clearing click leaves nothing face up";
    EXPECT_TRUE(game->isFound(0)) << "found cards stay off the board";
    EXPECT_EQ(game->attempts(), 4);

    // One entry: every card reads empty, so any two face-up cards would pair by text.
    loadWords(1);
    startFaceDown();
    game->turn(0);
    game->turn(8);
    game->checkPair();
    game->resetScore();
    game->newGame();
    EXPECT_EQ(game->turnedCount(), 2) << "New Game leaves the turn";
    game->checkPair();
    EXPECT_FALSE(game->isFound(0) || game->isFound(1)) << "no card face up, none found";
    game->turn(3);
    EXPECT_EQ(countUp(), 0) << "the first click only clears";
}

TEST_F(MemoryTest, CountersSaturateAndOutliveTheBoard)
{
    startFaceDown();
    for (int i = 0; i < 32768; ++i) {
        game->tick();
        game->turn(0);
    }
    EXPECT_EQ(game->shownSeconds(), 32767);
    EXPECT_EQ(game->attempts(), 32767);
    game->resetScore();
    game->turn(4);
    game->tick();
    EXPECT_EQ(game->shownSeconds(), 1) << "a click starts the clock again from 0";
    game->close();
    game->tick();
    game->open(1);
    EXPECT_EQ(game->face(0), MemoryGame::Face::DownReadable) << "readable, but face down";
    EXPECT_EQ(game->shownSeconds(), std::nullopt);
    game->tick();
    EXPECT_EQ(game->shownSeconds(), 2) << "a closed board does not count; reopened it goes on";
}

TEST_F(MemoryTest, TheWindowShowsTheGameAndClicksPlayIt)
{
    FormMemory window(words, settings, fakes);
    auto card = [&](int i) { return window.findChild<MemoryCard *>(QString("Label1(%1)").arg(i)); };
    auto label = [&](const char *name) { return window.findChild<QLabel *>(name)->text(); };
    auto turn = [&](int i) { click(&window, QStringLiteral("Label1(%1)").arg(i)); };
    setStyle(DisplayStyles::MemoryCards, {QStringLiteral("DejaVu Serif"), 11, 255});
    scriptDeal(5);
    window.load(QString());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(card(2)->isReadable() && card(15)->text() == "m8") << "red text is readable";

    fakes.dialogs.expect(QStringLiteral("Start New Game"), platform::Answer::ok);
    scriptDeal(12);
    click(&window, QStringLiteral("Command1(0)"));
    EXPECT_FALSE(card(0)->isReadable());
    turn(0);
    turn(8);
    EXPECT_TRUE(card(0)->isReadable() && card(8)->isReadable());
    EXPECT_EQ(label("Label4"), "2");
    tick(&window, "Timer1");
    EXPECT_FALSE(card(0)->isVisible() || card(8)->isVisible()) << "the pair is taken away";

    for (int i = 0; i < 3; ++i)
        tick(&window, "Timer2");
    fakes.dialogs.expect(QStringLiteral("Time Taken :3 Seconds"));
    click(&window, QStringLiteral("Command1(1)"));
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(card(i)->isVisible() && card(i)->isReadable()) << i;
    EXPECT_EQ(label("Label5") + label("Label4"), "00");
    fakes.dialogs.expect(QStringLiteral("Start New Game"), platform::Answer::cancel);
    click(&window, QStringLiteral("Command1(0)"));
    EXPECT_TRUE(card(0)->isReadable() && card(0)->text() == "w1") << "Cancel keeps the board";

    click(&window, QStringLiteral("Command2(0)"));
    scriptDeal(5);
    window.load(QString());
    EXPECT_EQ(label("Label5"), "") << "no time shown until the first tick";
    tick(&window, "Timer2");
    EXPECT_EQ(label("Label5"), "1");
}

} // namespace
