// SPDX-License-Identifier: GPL-3.0-or-later
#include "modesfixture.h"

#include "core/memorygame.h"
#include "platform/widgets/twips.h"
#include "widgets/modes/formmemory.h"
#include "widgets/modes/memorycard.h"

#include <QLabel>

using Face = MemoryGame::Face;

namespace {

// The value for which Int(rnd * 14 + 1) gives arrangement number d.
float forArrangement(int d)
{
    return (float(d) - 0.5f) / 14.0f;
}

class memorytest : public modesfixture
{
protected:
    memorytest() { loadwords(20); }

    void script(int d, const std::array<int, 8> &positions)
    {
        fakes.random.script({forArrangement(d)});
        for (int p : positions)
            fakes.random.script({words.count() > 1
                                     ? testsupport::fakerandom::forposition(p, words.count())
                                     : 0.5f});
    }
    // An opened board, every card face down, dealt the given positions.
    void start(const std::array<int, 8> &positions = {1, 2, 3, 4, 5, 6, 7, 8})
    {
        game->open(0);
        script(5, positions);
        game->newGame();
    }
    int countUp() const
    {
        int count = 0;
        for (int i = 0; i < MemoryGame::cardCount; ++i)
            count += game->face(i) == Face::Up;
        return count;
    }

    std::optional<MemoryGame> game{std::in_place, words, fakes.random};
};

TEST_F(memorytest, TheDealDrawsEntriesOfTheReviewRangeAndArrangesTheCards)
{
    game->open(0);
    script(3, {1, 19, 7, 7, 2, 3, 4, 5});
    game->deal();
    EXPECT_EQ(fakes.random.randomized, 1);
    const QStringList dealt{"w1", "w19", "w7", "w7", "w2", "w3", "w4", "w5"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(game->cardText(i), dealt[i]);
        EXPECT_EQ(game->cardText(i + 8), QString(dealt[i]).replace('w', 'm'));
    }
    for (int round = 0; round < 50; ++round) {
        game->deal();
        EXPECT_FALSE(game->dealtWords()[size_t(round % 8)] == "w0") << "never position 0";
    }
    // Card 3 by arrangement number: 5 and 10 leave it where it stands.
    game->open(0);
    const std::vector<std::pair<int, QPoint>> table{{5, {120, 5160}},  {13, {6200, 480}},
                                                    {10, {6200, 480}}, {8, {120, 2040}},
                                                    {5, {120, 2040}},  {1, {2160, 480}}};
    for (const auto &[d, place] : table) {
        script(d, {1, 1, 1, 1, 1, 1, 1, 1});
        game->deal();
        EXPECT_EQ(game->places()[3], place) << "number " << d;
    }
    game->open(0);
    EXPECT_EQ(game->places(), memoryrules::designplaces()) << "a fresh board";
}

TEST_F(memorytest, AWordPairsWithItsMeaningByText)
{
    // Entry 4 dealt twice: either word card pairs with either meaning card.
    const std::vector<std::pair<std::pair<int, int>, bool>> table{
        {{0, 8}, true},  {{2, 8}, true},  {{0, 10}, true}, {{8, 0}, true},  {{1, 9}, true},
        {{1, 8}, false}, {{0, 1}, false}, {{8, 9}, false}, {{15, 7}, true}, {{14, 7}, false},
    };
    for (const auto &[cards, pairs] : table) {
        game.emplace(words, fakes.random);
        start({4, 9, 4, 2, 3, 5, 6, 7});
        game->turn(cards.first);
        game->turn(cards.second);
        ASSERT_TRUE(game->pairCheckRunning());
        game->checkPair();
        EXPECT_EQ(game->isFound(cards.first) && game->isFound(cards.second), pairs)
            << cards.first << " with " << cards.second;
        EXPECT_EQ(game->pairCheckRunning(), !pairs);
        EXPECT_EQ(countUp(), 2) << "found or not, both stay face up";
    }
}

TEST_F(memorytest, TurnsClearOnTheThirdCardAndEveryClickCounts)
{
    game->open(0);
    game->turn(3);
    EXPECT_EQ(countUp(), 16) << "black cards open face up: clicks only count";
    EXPECT_EQ(game->attempts(), 1);
    start();
    game->turn(0);
    game->turn(0); // face up already: an attempt, nothing else
    EXPECT_EQ(game->turnedCount(), 1);
    EXPECT_FALSE(game->pairCheckRunning());
    game->turn(8);
    game->checkPair();
    EXPECT_TRUE(game->isFound(0) && game->isFound(8));
    EXPECT_EQ(game->turnedCount(), 2) << "a found pair does not reset the turn";
    game->turn(5);
    EXPECT_EQ(countUp(), 0) << "the clearing click leaves nothing face up";
    EXPECT_TRUE(game->isFound(0)) << "found cards stay off the board";
    game->turn(1);
    game->turn(2);
    game->checkPair();
    game->checkPair();
    EXPECT_EQ(countUp(), 2);
    game->turn(7);
    EXPECT_EQ(countUp(), 0);
    EXPECT_EQ(game->attempts(), 7);

    // One entry: every card reads empty, so any two face-up cards would pair by text.
    loadwords(1);
    start();
    game->turn(0);
    game->turn(8);
    game->checkPair();
    game->resetScore();
    script(5, {1, 1, 1, 1, 1, 1, 1, 1});
    game->newGame();
    EXPECT_EQ(game->turnedCount(), 2) << "New Game leaves the turn";
    game->checkPair();
    for (int i = 0; i < 16; ++i)
        EXPECT_FALSE(game->isFound(i)) << "no card face up, none found: " << i;
    game->turn(3);
    EXPECT_EQ(countUp(), 0) << "the first click only clears";
}

TEST_F(memorytest, CountersSaturateAndOutliveTheBoard)
{
    start();
    for (int i = 0; i < 32768; ++i) {
        game->tick();
        game->turn(0);
    }
    EXPECT_EQ(game->seconds(), 32767);
    EXPECT_EQ(game->shownSeconds(), 32767);
    EXPECT_EQ(game->attempts(), 32767);

    game->resetScore();
    game->solve();
    EXPECT_EQ(countUp(), 16);
    EXPECT_EQ(game->attempts(), 0);
    EXPECT_FALSE(game->clockRunning());
    EXPECT_EQ(game->shownSeconds(), 32767) << "shown until reported";
    game->timeReported();
    EXPECT_EQ(game->shownSeconds(), 0);
    game->turn(4);
    game->tick();
    EXPECT_EQ(game->shownSeconds(), 1) << "a click starts the clock again from 0";

    game->close();
    game->tick();
    EXPECT_EQ(game->seconds(), 1) << "a closed board does not count";
    game->open(1);
    EXPECT_EQ(game->face(0), Face::DownReadable) << "another colour reads but lies face down";
    EXPECT_EQ(game->shownSeconds(), std::nullopt);
    game->tick();
    EXPECT_EQ(game->shownSeconds(), 2) << "the clock goes on after reopening";
}

class memorywindowtest : public memorytest
{
protected:
    MemoryCard *card(int i) const
    {
        return window.findChild<MemoryCard *>(QStringLiteral("Label1(%1)").arg(i));
    }
    QString label(const char *name) const
    {
        return window.findChild<QLabel *>(QLatin1String(name))->text();
    }
    void turn(int i) { click(&window, QStringLiteral("Label1(%1)").arg(i)); }
    const MemoryGame &shown() const { return window.memoryGame(); }

    FormMemory window{words, settings, fakes};
};

TEST_F(memorywindowtest, CardsShowTheGameAndClicksPlayIt)
{
    script(5, {1, 2, 3, 4, 5, 6, 7, 8});
    window.load(QString());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(card(0)->isReadable()) << "black text opens face up";
    EXPECT_EQ(card(15)->text(), "m8");
    EXPECT_EQ(label("Label4"), "0");

    fakes.dialogs.expect(QStringLiteral("Start New Game"), platform::answer::ok);
    script(12, {1, 2, 3, 4, 5, 6, 7, 8});
    click(&window, QStringLiteral("Command1(0)"));
    EXPECT_FALSE(card(0)->isReadable());
    EXPECT_EQ(card(0)->pos(), QPoint(platform::twips(120), platform::twips(480)));
    turn(0);
    turn(8);
    EXPECT_TRUE(card(0)->isReadable() && card(8)->isReadable());
    EXPECT_EQ(label("Label4"), "2");
    tick(&window, "Timer1");
    EXPECT_FALSE(card(0)->isVisible() || card(8)->isVisible()) << "the pair is taken away";
    EXPECT_FALSE(window.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());

    for (int i = 0; i < 3; ++i)
        tick(&window, "Timer2");
    fakes.dialogs.expect(QStringLiteral("Time Taken :3 Seconds"));
    click(&window, QStringLiteral("Command1(1)"));
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::information);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(card(i)->isVisible() && card(i)->isReadable()) << i;
    EXPECT_EQ(label("Label5"), "0");
    EXPECT_EQ(label("Label4"), "0");
    EXPECT_FALSE(window.findChild<QTimer *>(QStringLiteral("Timer2"))->isActive());

    fakes.dialogs.expect(QStringLiteral("Start New Game"), platform::answer::cancel);
    click(&window, QStringLiteral("Command1(0)"));
    EXPECT_TRUE(card(0)->isReadable()) << "Cancel keeps the board";
    turn(3);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return label("Label5") == "1"; }, 3000));
    EXPECT_GE(clock.elapsed(), 900) << "the clock ticks each second";
}

TEST_F(memorywindowtest, ClosingPutsTheBoardAwayAndReopeningStartsItAfresh)
{
    settings.setStyle(DisplaySettings::MemoryCards, {QStringLiteral("DejaVu Serif"), 11, 255});
    script(10, {1, 2, 3, 4, 5, 6, 7, 8});
    window.load(QString());
    EXPECT_TRUE(card(2)->isReadable()) << "red text is readable";
    EXPECT_EQ(card(2)->font().family(), "DejaVu Serif");
    turn(2);
    EXPECT_EQ(shown().face(2), Face::Up) << "but counted face down until turned";
    tick(&window, "Timer2");
    click(&window, QStringLiteral("Command2(0)"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.findChild<QTimer *>(QStringLiteral("Timer2"))->isActive());

    script(5, {1, 2, 3, 4, 5, 6, 7, 8});
    window.load(QString());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(label("Label4"), "0");
    EXPECT_EQ(label("Label5"), "");
    EXPECT_EQ(shown().turnedCount(), 1) << "the turn outlives the window";
    tick(&window, "Timer2");
    EXPECT_EQ(label("Label5"), "2");
    script(5, {11, 12, 13, 14, 15, 16, 17, 18});
    window.load(QString());
    EXPECT_EQ(card(0)->text(), "w11") << "dealing again while open keeps the count";
    EXPECT_EQ(label("Label5"), "2");
}

} // namespace
