// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyfixture.h"

#include "modes/formmemory.h"
#include "modes/memorycard.h"
#include "modglobal.h"
#include "platform/colors.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

using platform::answer;
using platform::twips;
using testsupport::fakerandom;

namespace {

constexpr qint32 cardcolor = 16744576;

// The value for which Int(rnd * 14 + 1) gives arrangement number d.
float forarrangement(int d)
{
    return (float(d) - 0.5f) / 14.0f;
}

QPoint twipspoint(int left, int top)
{
    return QPoint(twips(left), twips(top));
}

class memorytest : public studyfixture
{
protected:
    memorytest() { loadwords(numbered(20)); }

    // Deals arrangement d with the given list positions for the eight pairs.
    void deal(int d, std::array<int, 8> positions)
    {
        fakes.random.script({forarrangement(d)});
        scriptpositions(positions);
        window.formload(modglobal::xmlfilepath);
    }

    void scriptpositions(const std::array<int, 8> &positions)
    {
        const int n = modglobal::wordcount;
        // With fewer than two entries every draw gives the same position.
        for (int p : positions)
            fakes.random.script({n > 1 ? fakerandom::forposition(p, n) : 0.5f});
    }

    void dealdefault() { deal(5, {1, 2, 3, 4, 5, 6, 7, 8}); }

    // A confirmed New Game turns every card face down and deals again.
    void newgame(int d, std::array<int, 8> positions)
    {
        fakes.dialogs.expect(QStringLiteral("Start New Game"), answer::ok);
        fakes.random.script({forarrangement(d)});
        scriptpositions(positions);
        click(&window, QStringLiteral("Command1(0)"));
    }

    void turn(int card) { click(&window, QStringLiteral("Label1(%1)").arg(card)); }
    bool up(int card) const { return window.Label1[size_t(card)]->forecolor() == 0; }
    bool shown(int card) const { return window.Label1[size_t(card)]->isVisible(); }
    QString attempts() const { return window.Label4->text(); }
    QPoint place(int card) const { return window.Label1[size_t(card)]->pos(); }

    std::vector<QPoint> places() const
    {
        std::vector<QPoint> result;
        for (int i = 0; i < 16; ++i)
            result.push_back(place(i));
        return result;
    }

    int faceupcount() const
    {
        int count = 0;
        for (int i = 0; i < 16; ++i)
            count += up(i) ? 1 : 0;
        return count;
    }

    FormMemory window;
};

TEST_F(memorytest, TheBoardStandsWhereDesigned)
{
    dealdefault();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), "Memory Game");
    EXPECT_EQ(window.size(), QSize(twips(8265), twips(9120)));
    EXPECT_EQ(window.Frame1->title(), "Memory Game");
    EXPECT_EQ(window.Frame1->geometry(), QRect(0, 0, twips(8175), twips(6855)));
    EXPECT_EQ(window.Frame2->title(), "Results Window");
    EXPECT_EQ(window.Frame2->geometry(), QRect(0, twips(6960), twips(8175), twips(1335)));
    const std::vector<std::tuple<QLabel *, const char *, QRect>> labels{
        {window.Label2,
         "Number of attempts:", QRect(twipspoint(120, 360), QSize(twips(1815), twips(375)))},
        {window.Label3, "Time:", QRect(twipspoint(120, 840), QSize(twips(1575), twips(255)))},
        {window.Label4, "0", QRect(twipspoint(2280, 360), QSize(twips(855), twips(255)))},
        {window.Label5, "", QRect(twipspoint(2280, 840), QSize(twips(855), twips(255)))}};
    for (const auto &[label, caption, geometry] : labels) {
        EXPECT_EQ(label->text(), QLatin1String(caption));
        EXPECT_EQ(label->geometry(), geometry) << caption;
    }
    const std::vector<std::tuple<QAbstractButton *, const char *, int>> buttons{
        {window.Command1[1], "S&olve", 4080},
        {window.Command1[0], "&New Game", 5520},
        {window.Command2[0], "&Cancel", 6960}};
    for (const auto &[button, caption, left] : buttons) {
        EXPECT_EQ(button->text(), QLatin1String(caption));
        EXPECT_EQ(button->geometry(),
                  QRect(twipspoint(left, 8400), QSize(twips(1200), twips(650))));
        EXPECT_EQ(button->palette().color(QPalette::Button), platform::colorfromcode(14737632));
    }
    for (int i = 0; i < 16; ++i) {
        memorycard *card = window.Label1[size_t(i)];
        EXPECT_EQ(card->objectName(), QStringLiteral("Label1(%1)").arg(i));
        EXPECT_EQ(card->size(), QSize(twips(1815), twips(1500)));
        EXPECT_EQ(card->backcolor(), cardcolor);
        EXPECT_TRUE(card->font().bold());
    }
    EXPECT_EQ(window.Timer1->interval(), 1000);
    EXPECT_EQ(window.Timer2->interval(), 1000);
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_TRUE(window.Timer2->isActive()) << "the clock runs from the load";
}

TEST_F(memorytest, TheDealWritesEightEntriesAndTheirMeanings)
{
    modglobal::memoryfontname = QStringLiteral("DejaVu Serif");
    modglobal::memoryfontsize = QStringLiteral("11");
    deal(3, {1, 19, 7, 7, 2, 3, 4, 5});
    EXPECT_EQ(fakes.random.randomized, 1);
    const QStringList words{"w1", "w19", "w7", "w7", "w2", "w3", "w4", "w5"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(window.dealtwords[size_t(i)], words[i]);
        EXPECT_EQ(window.dealtmeanings[size_t(i)], QString(words[i]).replace('w', 'm'));
        EXPECT_EQ(window.Label1[size_t(i)]->caption(), words[i]);
        EXPECT_EQ(window.Label1[size_t(i + 8)]->caption(), window.dealtmeanings[size_t(i)]);
        EXPECT_EQ(window.Label1[size_t(i)]->accessibleName(), words[i])
            << "black text is readable, so it is told";
    }
    for (memorycard *card : window.Label1) {
        EXPECT_EQ(card->font().family(), "DejaVu Serif");
        EXPECT_EQ(card->font().pointSizeF(), 11);
        EXPECT_EQ(card->forecolor(), 0) << "the default black shows every card";
    }
    EXPECT_EQ(place(1), twipspoint(120, 480)) << "arrangement C";
    EXPECT_EQ(place(0), twipspoint(6200, 3600));
}

TEST_F(memorytest, NumbersFiveAndTenLeaveTheCardsWhereTheyStand)
{
    const std::vector<QPoint> design = [] {
        std::vector<QPoint> result;
        for (const QPoint &each : memoryrules::designplaces())
            result.push_back(twipspoint(each.x(), each.y()));
        return result;
    }();
    for (int still : {5, 10}) {
        deal(still, {1, 2, 3, 4, 5, 6, 7, 8});
        EXPECT_EQ(places(), design) << "first deal, number " << still;
        deal(12, {1, 2, 3, 4, 5, 6, 7, 8});
        const std::vector<QPoint> arranged = places();
        EXPECT_NE(arranged, design);
        deal(still, {1, 2, 3, 4, 5, 6, 7, 8});
        EXPECT_EQ(places(), arranged) << "later deal, number " << still;
        window.close();
        EXPECT_EQ(places(), design) << "closing puts the cards back";
    }
}

TEST_F(memorytest, DefaultBlackCardsOnlyCountClicksUntilANewGame)
{
    dealdefault();
    for (int card : {0, 8, 3})
        turn(card);
    EXPECT_EQ(attempts(), "3");
    EXPECT_EQ(window.flippedcount, 0);
    EXPECT_EQ(faceupcount(), 16);
    EXPECT_FALSE(window.Timer1->isActive());

    newgame(5, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(faceupcount(), 0);
    EXPECT_EQ(window.Label1[0]->accessibleName(), "Card, face down");
    EXPECT_TRUE(window.Label1[0]->toolTip().isEmpty()) << "a face-down text is not given away";
    EXPECT_EQ(attempts(), "0");
}

TEST_F(memorytest, AWordAndItsMeaningAreFoundAndTheNextClickClears)
{
    dealdefault();
    newgame(5, {1, 2, 3, 4, 5, 6, 7, 8});
    window.Timer1->stop(); // New Game left the pair check on; it finds nothing now anyway
    turn(0);
    EXPECT_EQ(window.flippedcount, 1);
    EXPECT_FALSE(window.Timer1->isActive());
    turn(8);
    EXPECT_EQ(window.flippedcount, 2);
    EXPECT_TRUE(window.Timer1->isActive());
    window.Timer1_Timer();
    EXPECT_FALSE(shown(0));
    EXPECT_FALSE(shown(8));
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.flippedcount, 2);

    turn(5);
    EXPECT_EQ(window.flippedcount, 0);
    EXPECT_EQ(faceupcount(), 0) << "the clearing click leaves nothing face up";
    EXPECT_FALSE(shown(0)) << "found cards stay hidden";
    EXPECT_EQ(attempts(), "3");
}

TEST_F(memorytest, CardsThatDoNotPairStayUpUntilTheNextClick)
{
    dealdefault();
    newgame(5, {1, 2, 3, 4, 5, 6, 7, 8});
    const std::vector<std::pair<int, int>> turns{{0, 9}, {1, 2}, {9, 10}, {12, 5}};
    for (const auto &[first, second] : turns) {
        turn(first);
        turn(second);
        turn(second); // a face-up card: one more attempt, nothing else
        EXPECT_EQ(window.flippedcount, 2);
        window.Timer1_Timer();
        window.Timer1_Timer();
        EXPECT_TRUE(shown(first) && shown(second)) << first << " and " << second;
        EXPECT_TRUE(up(first) && up(second));
        EXPECT_TRUE(window.Timer1->isActive());
        turn(7);
        EXPECT_EQ(faceupcount(), 0);
        EXPECT_EQ(window.flippedcount, 0);
    }
    EXPECT_EQ(attempts(), "16");
}

TEST_F(memorytest, AnEntryDealtTwicePairsEitherWay)
{
    dealdefault();
    newgame(5, {4, 9, 4, 2, 3, 5, 6, 7});
    window.Timer1->stop();
    for (const auto &[word, meaning] : std::vector<std::pair<int, int>>{{2, 8}, {0, 10}}) {
        turn(word);
        turn(meaning);
        window.Timer1_Timer();
        EXPECT_FALSE(shown(word)) << word << " with " << meaning;
        EXPECT_FALSE(shown(meaning));
        turn(15);
    }
}

TEST_F(memorytest, AllEightPairsThenSolveAndANewGame)
{
    dealdefault();
    newgame(12, {1, 2, 3, 4, 5, 6, 7, 8});
    window.Timer1->stop();
    for (int i = 0; i < 8; ++i) {
        turn(i + 8);
        turn(i);
        window.Timer1_Timer();
        EXPECT_FALSE(shown(i) || shown(i + 8)) << "pair " << i;
        if (i < 7)
            turn(15); // clears; card 15 is still on the board
    }
    for (int tick = 0; tick < 3; ++tick)
        window.Timer2_Timer();
    EXPECT_EQ(window.Label5->text(), "3");

    fakes.dialogs.expect(QStringLiteral("Time Taken :3 Seconds"));
    click(&window, QStringLiteral("Command1(1)"));
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::information);
    EXPECT_EQ(faceupcount(), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(shown(i)) << "Solve shows found pairs too";
    EXPECT_EQ(window.Label5->text(), "0");
    EXPECT_EQ(attempts(), "0");
    EXPECT_EQ(window.secondcount, 0);
    EXPECT_FALSE(window.Timer2->isActive());

    newgame(7, {9, 10, 11, 12, 13, 14, 15, 16});
    EXPECT_EQ(window.Label1[0]->caption(), "w9");
    EXPECT_EQ(faceupcount(), 0);
    EXPECT_EQ(place(0), twipspoint(120, 480)) << "arrangement B";
    EXPECT_EQ(place(3), twipspoint(120, 2040));
}

TEST_F(memorytest, NewGameAnsweredCancelKeepsTheBoardAndStopsTheClock)
{
    dealdefault();
    newgame(5, {1, 2, 3, 4, 5, 6, 7, 8});
    turn(1);
    window.Timer2_Timer();
    window.Timer2_Timer();
    fakes.dialogs.expect(QStringLiteral("Start New Game"), answer::cancel);
    click(&window, QStringLiteral("Command1(0)"));
    EXPECT_EQ(fakes.dialogs.shown.back().set, platform::buttons::okcancel);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::question);
    EXPECT_EQ(attempts(), "0");
    EXPECT_EQ(window.Label5->text(), "2") << "the time shown stays until the next tick";
    EXPECT_FALSE(window.Timer2->isActive());
    EXPECT_TRUE(up(1)) << "the board stays";
    EXPECT_EQ(window.Label1[1]->caption(), "w2");

    turn(2);
    EXPECT_TRUE(window.Timer2->isActive()) << "a click starts the clock again";
    window.Timer2_Timer();
    EXPECT_EQ(window.Label5->text(), "1");
}

TEST_F(memorytest, ThePairCheckAfterANewGameFindsNothing)
{
    // One entry: every card shows the same empty text, so any two would pair by text.
    loadwords(numbered(1));
    dealdefault();
    newgame(5, {1, 1, 1, 1, 1, 1, 1, 1});
    window.Timer1->stop();
    turn(0);
    turn(8);
    window.Timer1_Timer();
    EXPECT_FALSE(shown(0) || shown(8));
    newgame(5, {1, 1, 1, 1, 1, 1, 1, 1});
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.flippedcount, 2) << "New Game leaves the turn count";
    window.Timer1_Timer();
    for (int i = 0; i < 16; ++i)
        EXPECT_TRUE(shown(i)) << "no card face up, no card taken away: " << i;
    turn(3);
    EXPECT_EQ(window.flippedcount, 0) << "the first click only clears";
    EXPECT_EQ(faceupcount(), 0);
}

TEST_F(memorytest, CountersGoOnAfterReopeningAndStopAtTheLargestNumber)
{
    dealdefault();
    for (int tick = 0; tick < 4; ++tick)
        window.Timer2_Timer();
    newgame(5, {1, 2, 3, 4, 5, 6, 7, 8});
    turn(0);
    for (int tick = 0; tick < 4; ++tick)
        window.Timer2_Timer();
    click(&window, QStringLiteral("Command2(0)"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Timer2->isActive()) << "a closed window does not count";
    EXPECT_EQ(window.secondcount, 4);
    EXPECT_EQ(window.flippedcount, 1);

    deal(5, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(attempts(), "0");
    EXPECT_EQ(window.Label5->text(), "");
    EXPECT_TRUE(window.Timer2->isActive());
    window.Timer2_Timer();
    EXPECT_EQ(window.Label5->text(), "5");

    window.secondcount = 32766;
    window.Timer2_Timer();
    window.Timer2_Timer();
    EXPECT_EQ(window.Label5->text(), "32767");
    EXPECT_EQ(window.secondcount, 32767);
    window.Label4->setText(QStringLiteral("32766"));
    turn(4);
    turn(4);
    EXPECT_EQ(attempts(), "32767");
}

TEST_F(memorytest, DealingAgainWhileOpenKeepsEachCardsState)
{
    dealdefault();
    newgame(5, {1, 2, 3, 4, 5, 6, 7, 8});
    window.Timer1->stop();
    turn(0);
    turn(8);
    window.Timer1_Timer();
    turn(1);
    deal(5, {11, 12, 13, 14, 15, 16, 17, 18});
    EXPECT_FALSE(shown(0)) << "a found pair stays hidden";
    EXPECT_EQ(window.Label1[0]->caption(), "w11");
    EXPECT_EQ(window.Label1[8]->caption(), "m11");
    EXPECT_EQ(faceupcount(), 0);
    EXPECT_EQ(attempts(), "3") << "the window was not loaded again";
}

TEST_F(memorytest, ListsTooShortDealEmptyTexts)
{
    const std::vector<std::pair<QByteArray, QStringList>> table{
        {"<GRE></GRE>", QStringList(16, "")},
        {"<GRE><word>a</word><word>b</word><word>c</word><meaning>ma</meaning></GRE>",
         QStringList({"c", "b", "", ""})},
    };
    for (const auto &[xml, expected] : table) {
        loadxml(xml);
        fakes.random.script({forarrangement(5), 0.99f, 0.0f, 0.99f, 0.0f});
        window.formload(modglobal::xmlfilepath);
        if (expected.size() == 16) {
            for (memorycard *card : window.Label1)
                EXPECT_EQ(card->caption(), "");
        } else {
            EXPECT_EQ(window.Label1[0]->caption(), expected[0]);
            EXPECT_EQ(window.Label1[1]->caption(), expected[1]);
            EXPECT_EQ(window.Label1[8]->caption(), expected[2]) << "beyond the meanings";
            EXPECT_EQ(window.Label1[9]->caption(), expected[3]);
        }
    }
    EXPECT_TRUE(fakes.dialogs.shown.empty());
}

} // namespace
