// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/answerbutton.h"
#include "app/formmain.h"
#include "app/review.h"
#include "modglobal.h"
#include "platform/twips.h"
#include "results/formresults.h"
#include "support/fakes.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

using testsupport::fakerandom;

namespace {

// Numbers as the user's locale writes them.
QString local(const char *figure)
{
    return QString::fromLatin1(figure).replace(u'.', QLocale::system().decimalPoint());
}

float forlayout(int r)
{
    return (float(r) - 0.5f) / 100.0f;
}

class reviewtest : public ::testing::Test
{
protected:
    reviewtest()
    {
        fakes.write("XML/gre.xml", testsupport::flatxml({{"zero", "m0", "u0"},
                                                         {"one", "m1", "(b)Bold usage.(b)"},
                                                         {"two", "m2", "(I)Italic (I)usage.(I)"},
                                                         {"three", "m3", "(B)Not a marker.(B)"},
                                                         {"four", "m4", "A (b) in the middle."}}));
        fakes.write("settings/settings.ini", testsupport::defaultsettings());
        fakes.random.script({fakerandom::forposition(1, 5), 0, 0, 0, 0});
        window.start();
    }

    // The slot (1..5) each button stands in.
    std::array<int, 5> standing() const
    {
        std::array<int, 5> result{};
        for (int i = 0; i < 5; ++i)
            result[i] = platform::totwips(window.Command1[i]->y()) / 960 + 1;
        return result;
    }

    // Moves with the scripted draws: four choices, then the layout.
    void move(int index, std::array<int, 4> choices = {1, 1, 1, 1}, int layout = 90)
    {
        for (int p : choices)
            fakes.random.script({fakerandom::forposition(p, 5)});
        fakes.random.script({forlayout(layout)});
        QTest::mouseClick(window.Command2[index], Qt::LeftButton);
    }

    QString log() const { return forms::results().logtext(); }

    testsupport::fakeservices fakes;
    FormMain window;
};

TEST_F(reviewtest, NextAndPreviousWrapWithinTheReviewRange)
{
    const std::vector<std::tuple<int, int, int>> table{// index, from, to
                                                       {1, 1, 2}, {1, 3, 4}, {1, 4, 1},
                                                       {2, 4, 3}, {2, 1, 4}, {2, 2, 1}};
    for (const auto &[index, from, to] : table) {
        window.currentword = qint16(from);
        move(index);
        EXPECT_EQ(window.currentword, to) << index << " from " << from;
    }
    for (int k = 0; k < 40; ++k) {
        fakes.random.script({k / 40.0f});
        move(0);
        EXPECT_TRUE(window.currentword >= 1 && window.currentword <= 4) << "Flash never shows 0";
    }
}

TEST_F(reviewtest, MarkersBecomeBoldOrItalicAndAreRemoved)
{
    struct expected
    {
        int position;
        const char *word, *shown;
        bool bold, italic;
    };
    const std::vector<expected> table{{1, "one", "Bold usage.", true, false},
                                      {2, "two", "Italic usage.", false, true},
                                      {3, "three", "(B)Not a marker.(B)", false, false},
                                      {4, "four", "A (b) in the middle.", false, false},
                                      {1, "one", "Bold usage.", true, false}};
    for (const expected &each : table) {
        window.currentword = qint16(previousposition(each.position, 5));
        move(1, {3, 2, 4, 1});
        ASSERT_EQ(window.currentword, each.position);
        EXPECT_EQ(window.Text1->text(), QLatin1String(each.word));
        EXPECT_EQ(window.RichTextBox1->toPlainText(), QLatin1String(each.shown));
        EXPECT_EQ(window.RichTextBox1->font().bold(), each.bold) << each.word;
        EXPECT_EQ(window.RichTextBox1->font().italic(), each.italic) << each.word;
        EXPECT_EQ(window.Command1[0]->text(), QStringLiteral("m%1").arg(each.position));
        EXPECT_EQ(window.Command1[1]->text(), "m3");
        EXPECT_EQ(window.Command1[4]->text(), "m1");
    }
}

TEST_F(reviewtest, ASingleEntryShowsNothingOnAMove)
{
    fakes.write("XML/one.xml", testsupport::flatxml({{"only", "m", "u"}}));
    window.loaddata("/XML/one.xml");
    window.Text1->setText("kept");
    for (int index : {0, 1, 2}) {
        QTest::mouseClick(window.Command2[index], Qt::LeftButton);
        EXPECT_EQ(window.Text1->text(), "kept");
    }
}

TEST_F(reviewtest, EveryLayoutPutsTheButtonsInItsSlots)
{
    const std::vector<std::pair<int, std::array<int, 5>>> table{
        {1, {4, 1, 2, 5, 3}},  {19, {4, 1, 2, 5, 3}}, {20, {2, 1, 3, 4, 5}}, {21, {1, 4, 5, 3, 2}},
        {44, {1, 4, 5, 3, 2}}, {45, {2, 1, 3, 4, 5}}, {46, {3, 2, 4, 5, 1}}, {64, {3, 2, 4, 5, 1}},
        {65, {2, 1, 3, 4, 5}}, {66, {5, 3, 1, 2, 4}}, {84, {5, 3, 1, 2, 4}}, {85, {2, 1, 3, 4, 5}},
        {100, {2, 1, 3, 4, 5}}};
    for (const auto &[r, expected] : table) {
        const int before = fakes.random.randomized;
        QStringList captions;
        for (answerbutton *each : window.Command1)
            captions << each->text();
        fakes.random.script({forlayout(r)});
        window.randomize_button_positions();
        EXPECT_EQ(standing(), expected) << "r = " << r;
        EXPECT_EQ(fakes.random.randomized, before + 1) << "each shuffle reseeds";
        for (int i = 0; i < 5; ++i) {
            EXPECT_EQ(window.Command1[i]->text(), captions[i]);
            EXPECT_EQ(window.Command1[i]->x(), platform::twips(480));
            EXPECT_EQ(window.Label1[i]->y(), platform::twips(480 + 960 * i)) << "labels stay";
        }
    }
    EXPECT_EQ(drawlayout(0.0f), 1);
    EXPECT_EQ(drawlayout(0.99999994f), 100);
}

TEST_F(reviewtest, AnswersCountAndLogInOrder)
{
    move(1, {1, 3, 2, 4}, 50);
    EXPECT_FALSE(forms::resultsexists()) << "nothing is created before the first answer";
    QTest::mouseClick(window.Command1[0], Qt::LeftButton);
    EXPECT_TRUE(forms::resultsexists());
    EXPECT_FALSE(forms::results().isVisible()) << "the log window is created hidden";
    EXPECT_EQ(window.Label5->text(), "1");
    EXPECT_EQ(window.Label6->text(), "0");
    EXPECT_EQ(window.Label7->text(), local("100.00"));

    QTest::mouseClick(window.Command1[0], Qt::LeftButton);
    QTest::mouseClick(window.Command1[4], Qt::LeftButton);
    EXPECT_EQ(window.Label7->text(), local("66.67"));
    QTest::mouseClick(window.Command1[1], Qt::LeftButton);
    EXPECT_EQ(window.correctcount, 2);
    EXPECT_EQ(window.incorrectcount, 2);
    EXPECT_EQ(window.currentword, 2) << "answering never moves on";
    EXPECT_EQ(log(), " CORRECT :m2:two\r\n CORRECT :m2:two\r\n INCORRECT :m4:two\r\n"
                     " INCORRECT :m1:two\r\n");
}

TEST_F(reviewtest, ADuplicateOfTheRightMeaningCountsAsWrong)
{
    move(1, {2, 2, 2, 2});
    ASSERT_EQ(window.Command1[3]->text(), window.Command1[0]->text());
    QTest::mouseClick(window.Command1[3], Qt::LeftButton);
    EXPECT_EQ(window.Label5->text(), "0");
    EXPECT_EQ(window.Label6->text(), "1");
    EXPECT_EQ(window.Label7->text(), local("00.00"));
    EXPECT_EQ(log(), " INCORRECT :m2:two\r\n");
}

TEST_F(reviewtest, PercentagesAndCountersStayInRange)
{
    const std::vector<std::tuple<int, int, const char *>> table{
        {1, 0, "100.00"}, {2, 1, "66.67"},         {1, 19, "05.00"}, {0, 1, "00.00"},
        {1, 2, "33.33"},  {32767, 32767, "50.00"}, {0, 0, "00.00"}};
    for (const auto &[c, i, text] : table)
        EXPECT_EQ(percenttext(c, i), local(text)) << c << '/' << i;

    window.correctcount = 32767;
    window.incorrectcount = 32767;
    window.Command1_Click(0);
    window.Command1_Click(1);
    EXPECT_EQ(window.Label5->text(), "32767");
    EXPECT_EQ(window.Label6->text(), "32767");
    EXPECT_EQ(window.Label7->text(), local("50.00"));
}

TEST_F(reviewtest, AutoModeStepsLikeNextOncePerSecond)
{
    EXPECT_EQ(window.Command9->text(), "&Auto Mode");
    QTest::mouseClick(window.Command9, Qt::LeftButton);
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 1000);
    EXPECT_GT(window.Timer1->remainingTime(), 900) << "the first step comes one interval later";
    EXPECT_EQ(window.Command9->text(), "Stop");

    window.currentword = 4;
    window.RichTextBox1->setPlainText("an unsaved edit");
    fakes.random.script({0, 0, 0, 0, forlayout(10)});
    window.Timer1_Timer();
    EXPECT_EQ(window.currentword, 1);
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "Bold usage.");

    QTest::mouseClick(window.Command9, Qt::LeftButton);
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.Command9->text(), "Auto Mode");
}

TEST_F(reviewtest, LookUpsOpenTheChosenServiceWithTheWord)
{
    const std::vector<std::pair<const char *, const char *>> table{
        {"Webster", "http://www.merriam-webster.com/cgi-bin/dictionary?book=Dictionary&va="},
        {"Dictionary.com", "http://www.dictionary.com/search?q="},
        {"Hyperdictionary", "http://www.hyperdictionary.com/search.aspx?define="},
        {"Brittanica", "http://www.britannica.com/dictionary?book=Dictionary&va="}};
    for (const auto &[label, address] : table) {
        window.combdict->setCurrentText(QLatin1String(label));
        QTest::mouseClick(window.Command2[3], Qt::LeftButton);
        ASSERT_FALSE(fakes.launcher.opened.empty());
        EXPECT_EQ(fakes.launcher.opened.back().toString(QUrl::FullyEncoded),
                  QLatin1String(address) + "one");
    }
    EXPECT_EQ(window.currentword, 1) << "a look-up leaves the word on show";

    const size_t before = fakes.launcher.opened.size();
    for (const char *unknown : {"webster", "Merriam", ""}) {
        window.combdict->setCurrentText(QLatin1String(unknown));
        QTest::mouseClick(window.Command2[3], Qt::LeftButton);
    }
    EXPECT_EQ(fakes.launcher.opened.size(), before);

    window.Text1->setText("bread & butter");
    QTest::mouseClick(window.Command10, Qt::LeftButton);
    EXPECT_EQ(fakes.launcher.opened.back().toString(QUrl::FullyEncoded),
              "http://images.google.com/images?q=bread%20%26%20butter");

    fakes.launcher.starts = false;
    fakes.dialogs.expect("Internet Explorer not found on your system");
    QTest::mouseClick(window.Command10, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
    EXPECT_TRUE(fakes.launcher.started.empty()) << "no program is started through a shell";
}

TEST_F(reviewtest, KeysAnswerBySlotAndAccessKeysMove)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    move(1, {1, 3, 4, 1}, 10); // layout: button 0 in slot 4, button 1 in slot 1
    window.setFocus();
    QTest::keyClick(&window, Qt::Key_4);
    QTest::keyClick(&window, Qt::Key_1);
    EXPECT_EQ(log(), " CORRECT :m2:two\r\n INCORRECT :m1:two\r\n");

    window.Text1->setFocus();
    window.Text1->selectAll();
    QTest::keyClick(window.Text1, Qt::Key_3);
    EXPECT_EQ(window.Text1->text(), "3") << "a digit typed into a text box stays text";
    EXPECT_EQ(window.correctcount + window.incorrectcount, 2);

    window.setFocus();
    fakes.random.script({0, 0, 0, 0, forlayout(90)});
    // An access key presses the button visibly, so its click comes a moment later.
    QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.currentword == 3; }, 2000));
    fakes.random.script({0, 0, 0, 0, forlayout(90)});
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.currentword == 2; }, 2000));
}

} // namespace
