// SPDX-License-Identifier: GPL-3.0-or-later
#include "modesfixture.h"

#include "widgets/modes/formflash.h"
#include "widgets/speech/speech.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTextEdit>
#include <QUrlQuery>

using namespace widgets;

using namespace core;

namespace {

class FlashTest : public ModesFixture
{
protected:
    FlashTest() { loadWords(6); }
    void openAt(int position)
    {
        fakes.random.script({testsupport::FakeRandom::forPosition(position, 6)});
        window.load(QString());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QTextEdit *box(int index) const
    {
        return window.findChild<QTextEdit *>(QStringLiteral("Text1(%1)").arg(index));
    }
    void press(int index) { click(&window, QStringLiteral("Command2(%1)").arg(index)); }
    int position() const { return window.flashCards().currentPosition(); }

    SpeechSettings speechSettings{fakes.files, fakes.path("settings/speech.txt")};
    Speech speech{words, speechSettings, fakes};
    FormFlash window{words, settings, fakes, speech};
};

TEST_F(FlashTest, ButtonsStepWithinTheListAndSolveShowsTheMeaning)
{
    openAt(1);
    fakes.random.script({testsupport::FakeRandom::forPosition(4, 6)}); // a draw would give 4
    // Buttons 1 Flash, 2 Previous, 3 Next. Previous reaches the first entry that a draw never
    // gives; Next stops on the empty end; Flash from outside the review range goes to 1.
    const std::vector<std::tuple<int, int, const char *>> steps{
        {2, 0, "w0"}, {2, 1, "w1"}, {3, 2, "w2"}, {3, 3, "w3"}, {3, 4, "w4"}, {3, 5, "w5"},
        {3, 6, ""},   {3, 6, ""},   {1, 1, "w1"}, {2, 0, "w0"}, {1, 1, "w1"}};
    for (const auto &[button, expected, word] : steps) {
        press(4);
        EXPECT_TRUE(box(1)->isVisible() && box(1)->toPlainText() == words.meaning(position()));
        press(button);
        EXPECT_EQ(position(), expected) << "button " << button;
        EXPECT_EQ(box(0)->toPlainText(), QLatin1String(word));
        EXPECT_FALSE(box(1)->isVisible()) << "a new word hides the meaning";
    }
    fakes.random.script({testsupport::FakeRandom::forPosition(3, 6)});
    press(1);
    EXPECT_EQ(position(), 3) << "inside the review range Flash draws";
    EXPECT_EQ(fakes.random.randomized, 1) << "without reseeding";
    // The card follows the dictionary: an edit saved moves the word, and its meaning on show is
    // read again; a list without the word shows the one now at the card's place.
    press(4);
    words.replaceEntries(fakes.files, {"w0", "w3", "w1"}, {"m0", "new m3", "m1"}, {},
                         FinalLine::none);
    EXPECT_EQ(position(), 1);
    EXPECT_EQ(box(0)->toPlainText() + ":" + box(1)->toPlainText(), "w3:new m3");
    loadWords(2);
    EXPECT_EQ(box(0)->toPlainText(), "w1");
    EXPECT_FALSE(box(1)->isVisible()) << "no meaning of another word";
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // An access key presses its button visibly, so the click comes a moment later.
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return position() == 0; }, 2000)) << "Alt+P: Previous";
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return box(1)->toPlainText() == "m0"; }, 2000));
}

TEST_F(FlashTest, AutoModeStepsEveryOneAndAHalfSecondsUntilStoppedOrClosed)
{
    openAt(4);
    press(7);
    auto *autoButton = window.findChild<QAbstractButton *>(QStringLiteral("Command2(7)"));
    EXPECT_EQ(autoButton->text(), "Stop");
    QSignalSpy steps(&window.flashCards(), &FlashCards::wordChanged);
    EXPECT_FALSE(steps.wait(1300));
    ASSERT_TRUE(steps.wait(1000)) << "a step every 1.5 seconds";
    press(4);
    tick(&window, "Timer1");
    EXPECT_EQ(position(), 6) << "a tick is Next";
    EXPECT_FALSE(box(1)->isVisible()) << "the tick hides the meaning";
    press(8);
    EXPECT_FALSE(window.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(autoButton->text(), "&Auto Mode");
    EXPECT_EQ(position(), 6) << "the position outlives the window";
    setStyle(DisplayStyles::FlashCards, {QStringLiteral("DejaVu Serif"), 30, 255});
    openAt(2);
    EXPECT_EQ(box(1)->font().family(), "DejaVu Serif") << "the load step ran again";
}

TEST_F(FlashTest, NetSearchLooksUpWhatTheWordBoxHolds)
{
    openAt(1);
    box(0)->clear();
    QTest::keyClicks(box(0), QStringLiteral("sang & froid"));
    press(6);
    ASSERT_EQ(fakes.launcher.opened.size(), 1u);
    EXPECT_EQ(QUrlQuery(fakes.launcher.opened[0]).queryItemValue("va", QUrl::FullyDecoded),
              "sang & froid");
    fakes.launcher.starts = false;
    fakes.dialogs.expect(QStringLiteral("Internet Explorer not found on your system"));
    press(6);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::Icon::critical);
}

TEST_F(FlashTest, ACardSaysItsWordWhenShownAndOnF5ItsUsageOnShiftF5AndShowsItsIpa)
{
    using said = testsupport::FakeSpeaker::utterance;
    loadXml("<GRE><word>about</word><meaning>m</meaning><usage></usage>"
            "<word>laconic</word><meaning>terse</meaning><usage>A laconic reply.</usage>"
            "<word>zeal</word><meaning>fervour</meaning><usage>With zeal.</usage></GRE>");
    fakes.write(QStringLiteral("XML/gre.ipa.tsv"), "laconic\t/ləˈkɒnɪk/\n");
    fakes.write(QStringLiteral("settings/speech.txt"), "speak_automatically=yes\r\nrate=-10\r\n");
    fakes.random.script({testsupport::FakeRandom::forPosition(1, 3)});
    window.load(QString());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    auto *ipa = window.findChild<QLabel *>(QStringLiteral("ipaLabel"));
    EXPECT_EQ(ipa->text(), "/ləˈkɒnɪk/");
    press(3);
    EXPECT_TRUE(ipa->text().isEmpty() && !ipa->isVisible()) << "no IPA, no slashes";
    QTest::keyClick(&window, Qt::Key_F5);
    QTest::keyClick(&window, Qt::Key_F5, Qt::ShiftModifier);
    press(4);
    click(&window, QStringLiteral("speakButton"));
    const auto slowly = [](const char *text) { return said{text, "", -1}; };
    EXPECT_EQ(fakes.speaker.said,
              (std::vector<said>{slowly("laconic"), slowly("zeal"), slowly("zeal"),
                                 slowly("With zeal."), slowly("zeal")}))
        << "said when shown, not when solved";
}

} // namespace
