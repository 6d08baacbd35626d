// SPDX-License-Identifier: GPL-3.0-or-later
#include "modesfixture.h"

#include "core/flashcards.h"
#include "widgets/modes/formflash.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QTextEdit>

using testsupport::fakerandom;

namespace {

class flashtest : public modesfixture
{
protected:
    flashtest() { loadwords(6); }
    FlashCards cards{words, fakes.random};
};

TEST_F(flashtest, StepsStayWithinTheListAndHideTheMeaning)
{
    fakes.random.script({fakerandom::forposition(1, 6)});
    cards.open();
    EXPECT_EQ(fakes.random.randomized, 1);
    struct step
    {
        void (FlashCards::*action)();
        int position;
        const char *word;
    };
    // Previous reaches the first entry that a draw never gives; Next stops on the empty end;
    // Flash from outside the review range goes to 1.
    const std::vector<step> steps{
        {&FlashCards::previous, 0, "w0"}, {&FlashCards::previous, 1, "w1"},
        {&FlashCards::next, 2, "w2"},     {&FlashCards::next, 3, "w3"},
        {&FlashCards::next, 4, "w4"},     {&FlashCards::next, 5, "w5"},
        {&FlashCards::next, 6, ""},       {&FlashCards::next, 6, ""},
        {&FlashCards::flash, 1, "w1"},    {&FlashCards::previous, 0, "w0"},
        {&FlashCards::flash, 1, "w1"},
    };
    for (const step &each : steps) {
        cards.reveal();
        EXPECT_EQ(cards.meaning(), words.meaning(cards.currentPosition()));
        EXPECT_TRUE(cards.meaningShown());
        (cards.*each.action)();
        EXPECT_EQ(cards.currentPosition(), each.position);
        EXPECT_EQ(cards.word(), QLatin1String(each.word));
        EXPECT_FALSE(cards.meaningShown()) << "a new word hides the meaning";
    }
    fakes.random.script({fakerandom::forposition(3, 6)});
    cards.flash();
    EXPECT_EQ(cards.currentPosition(), 3) << "inside the review range Flash draws";
    EXPECT_EQ(fakes.random.randomized, 1) << "without reseeding";
}

TEST_F(flashtest, PositionsTheListNoLongerReachesReadAsEmpty)
{
    fakes.random.script({fakerandom::forposition(5, 6)});
    cards.open();
    loadwords(2); // a shorter list loaded while the cards are open
    EXPECT_EQ(cards.word(), "w5") << "the word shown stays until the next step";
    cards.reveal();
    EXPECT_EQ(cards.meaning(), "");
    cards.previous();
    EXPECT_EQ(cards.currentPosition(), 2);
    loadxml("<GRE><word>a</word><word>b</word><word>c</word><meaning>ma</meaning></GRE>");
    cards.previous();
    cards.reveal();
    EXPECT_EQ(cards.word(), "b");
    EXPECT_EQ(cards.meaning(), "") << "beyond the meaning list";
    loadxml("not xml");
    for (float rnd : {0.0f, 0.5f}) {
        fakes.random.script({rnd});
        cards.open();
        cards.reveal();
        EXPECT_EQ(cards.word() + cards.meaning(), "");
    }
}

class flashwindowtest : public flashtest
{
protected:
    void openAt(int position)
    {
        fakes.random.script({fakerandom::forposition(position, 6)});
        window.load(QString());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QTextEdit *box(int index) const
    {
        return window.findChild<QTextEdit *>(QStringLiteral("Text1(%1)").arg(index));
    }
    void press(int index) { click(&window, QStringLiteral("Command2(%1)").arg(index)); }
    int position() const { return window.flashCards().currentPosition(); }

    FormFlash window{words, settings, fakes};
};

TEST_F(flashwindowtest, ButtonsAndKeysReachTheCardsAndTheBoxesShowThem)
{
    openAt(4);
    EXPECT_EQ(box(0)->toPlainText(), "w4");
    EXPECT_FALSE(box(1)->isVisible());
    press(4);
    EXPECT_TRUE(box(1)->isVisible());
    EXPECT_EQ(box(1)->toPlainText(), "m4");
    press(2);
    EXPECT_EQ(position(), 3);
    EXPECT_EQ(box(0)->toPlainText(), "w3");
    EXPECT_FALSE(box(1)->isVisible());
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // An access key presses its button visibly, so the click comes a moment later.
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return position() == 2; }, 2000)) << "Alt+P: Previous";
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box(1)->isVisible(); }, 2000)) << "Alt+S: Solve";
    EXPECT_EQ(box(1)->toPlainText(), "m2");
}

TEST_F(flashwindowtest, AutoModeStepsEveryOneAndAHalfSecondsUntilStoppedOrClosed)
{
    openAt(4);
    press(7);
    auto *autoButton = window.findChild<QAbstractButton *>(QStringLiteral("Command2(7)"));
    EXPECT_EQ(autoButton->text(), "Stop");
    QSignalSpy steps(&window.flashCards(), &FlashCards::wordChanged);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(steps.wait(3000));
    EXPECT_GE(clock.elapsed(), 1400);
    EXPECT_EQ(position(), 5);
    press(4);
    tick(&window, "Timer1");
    tick(&window, "Timer1");
    EXPECT_EQ(position(), 6) << "ticks stay on the empty end";
    EXPECT_FALSE(box(1)->isVisible()) << "the tick hides the meaning";
    press(7);
    EXPECT_EQ(autoButton->text(), "Auto Mode");
    press(7);
    press(8);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(autoButton->text(), "&Auto Mode");
    EXPECT_EQ(position(), 6) << "the position outlives the window";

    settings.setStyle(DisplaySettings::FlashCards, {QStringLiteral("DejaVu Serif"), 30, 255});
    openAt(2);
    EXPECT_EQ(box(1)->font().family(), "DejaVu Serif") << "the load step ran again";
    EXPECT_EQ(box(0)->palette().color(QPalette::Text), QColor(255, 0, 0));
}

TEST_F(flashwindowtest, NetSearchLooksUpWhatTheWordBoxHolds)
{
    openAt(1);
    box(0)->clear();
    QTest::keyClicks(box(0), QStringLiteral("sang & froid"));
    press(6);
    ASSERT_EQ(fakes.launcher.opened.size(), 1u);
    EXPECT_EQ(fakes.launcher.opened[0].toString(QUrl::FullyEncoded),
              "http://www.merriam-webster.com/cgi-bin/dictionary?book=Dictionary&va=sang%20%26%20"
              "froid");
    fakes.launcher.starts = false;
    fakes.dialogs.expect(QStringLiteral("Internet Explorer not found on your system"));
    press(6);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
}

} // namespace
