// SPDX-License-Identifier: GPL-3.0-or-later
// The main window shows the review quiz, the score and the description of its models, and the
// user's clicks and keys reach them.

#include "mainwindowtest.h"
#include "support/httpserver.h"

#include <QLocale>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTextEdit>
#include <QTimer>

using namespace testsupport;
using platform::answer;

namespace {

const QString savequestion = QStringLiteral("Do you want to Save ? ");

class quiz : public mainwindow
{
protected:
    // Each answer button stands beside the number of the slot the quiz gives its choice.
    void expectlayoutshown()
    {
        for (int i = 0; i < 5; ++i) {
            const int slot = window.reviewSession().slotOf(i);
            EXPECT_EQ(control<QWidget>(&window, QStringLiteral("Command1(%1)").arg(i))->y(),
                      control<QWidget>(&window, QStringLiteral("Label1(%1)").arg(slot))->y());
        }
    }
    QTextEdit *description() { return control<QTextEdit>(&window, "descriptionBox"); }
};

TEST_F(quiz, StartShowsAWordOfTheReviewRangeWithItsChoices)
{
    start(1);
    EXPECT_EQ(text(window, "Text1"), "belie");
    EXPECT_EQ(captions(window),
              QStringList({"(v.) to contradict", "(adj.) convincing", "(n.) a scarcity",
                           "(adj.) full of energy", "(adj.) lacking purpose"}));
    expectlayoutshown();
    EXPECT_EQ(description()->toPlainText(), "(b)Her smile belied her fear.(b)")
        << "the first card shows the usage as stored";
}

TEST_F(quiz, AMissingOrEmptyDictionaryOpensAnEmptyCardWithOneMessage)
{
    for (const QByteArray &content :
         {QByteArray(), QByteArray("<GRE></GRE>"), QByteArray("<GRE><word>broken</GRE>")}) {
        QFile::remove(fakes.path("XML/gre.xml"));
        if (!content.isEmpty())
            fakes.write("XML/gre.xml", content);
        FormMain empty(fakes);
        fakes.dialogs.expect(loadfailure);
        empty.start();
        EXPECT_TRUE(empty.isVisible());
        EXPECT_EQ(text(empty, "Text1") + captions(empty).join(""), "");
        fakes.dialogs.expect("There is no dictionary loaded, so there is no description to save.");
        click(&empty, "Command7");
        EXPECT_EQ(fakes.files.writes, 0);
    }
}

TEST_F(quiz, KeysAnswerTheChoiceInTheirSlotAndDigitsTypeIntoTheWordBox)
{
    start(2);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    move(1); // the choices now stand in other slots than their buttons' numbers
    expectlayoutshown();
    for (int choice : {0, 1, 3}) {
        QTest::keyClick(&window, Qt::Key(Qt::Key_1 + window.reviewSession().slotOf(choice)));
        ASSERT_FALSE(window.answerLog().entries().isEmpty());
        EXPECT_EQ(window.answerLog().entries().back().chosenMeaning, captions(window)[choice]);
        EXPECT_EQ(window.answerLog().entries().back().right, choice == 0);
    }
    auto *word = control<QLineEdit>(&window, "Text1");
    word->setFocus();
    word->selectAll();
    QTest::keyClick(word, Qt::Key_3);
    EXPECT_EQ(word->text(), "3");
    EXPECT_EQ(window.answerLog().entries().size(), 3);
}

TEST_F(quiz, ClicksCountAndLogTheAnswersAndViewLogListsThem)
{
    start(1);
    for (int i : {0, 0, 4, 1, 0})
        click(&window, QStringLiteral("Command1(%1)").arg(i));
    EXPECT_EQ(text(window, "Label5") + '/' + text(window, "Label6") + '/' + text(window, "Label7"),
              QStringLiteral("3/2/60.00").replace('.', QLocale::system().decimalPoint()));
    EXPECT_EQ(window.reviewSession().currentPosition(), 1) << "answering never moves on";
    click(&window, "Command3");
    QWidget *results = topwindow("FormResults");
    ASSERT_TRUE(results && results->isVisible());
    EXPECT_EQ(control<QPlainTextEdit>(results, "Text1")->toPlainText(),
              " CORRECT :(v.) to contradict:belie\n CORRECT :(v.) to contradict:belie\n"
              " INCORRECT :(adj.) lacking purpose:belie\n INCORRECT :(adj.) convincing:belie\n"
              " CORRECT :(v.) to contradict:belie");
}

TEST_F(quiz, FlashNextAndPreviousShowTheNewCard)
{
    start(1);
    // Next, Previous, Previous (wrapping past position 1), Next (wrapping), Flash to 3.
    for (const auto &[index, position] :
         std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {2, 5}, {1, 1}, {0, 3}}) {
        move(index,
             index == 0 ? std::initializer_list<float>{at(3)} : std::initializer_list<float>{});
        ASSERT_EQ(window.reviewSession().currentPosition(), position) << index;
        EXPECT_EQ(text(window, "Text1"), sample[position].word);
        EXPECT_EQ(captions(window)[0], sample[position].meaning);
        expectlayoutshown();
        EXPECT_EQ(description()->font().bold(), position == 1);
    }
    EXPECT_EQ(description()->toPlainText(), "A dearth of rain.");
}

TEST_F(quiz, AutoModeMovesOnByItselfUntilStopped)
{
    start(1);
    auto *button = control<QPushButton>(&window, "Command9");
    click(&window, "Command9");
    EXPECT_EQ(button->text(), "Stop");
    fakes.random.script({at(1), at(2), at(3), at(4), layout(50)});
    EXPECT_TRUE(QTest::qWaitFor([&] { return text(window, "Text1") == "cogent"; }));
    click(&window, "Command9");
    EXPECT_EQ(button->text(), "Auto Mode");
    EXPECT_FALSE(control<QTimer>(&window, "Timer1")->isActive());
}

TEST_F(quiz, ExitAsksButFileExitDoesNot)
{
    start(1);
    QSignalSpy ended(&window, &FormMain::ended);
    for (answer reply : {answer::no, answer::yes}) {
        fakes.dialogs.expect("Do you want to Exit ? ", reply);
        click(&window, "Command8");
        EXPECT_EQ(ended.count(), int(reply == answer::yes));
        EXPECT_EQ(window.isVisible(), reply == answer::no);
    }
    FormMain second(fakes);
    second.start();
    QSignalSpy secondended(&second, &FormMain::ended);
    choose(&second, "mnuexit");
    EXPECT_EQ(secondended.count(), 1);
}

TEST_F(quiz, EditAndSaveWriteTheUsageWithItsMarker)
{
    start(2);
    std::vector<entry> expected = sample;
    // Italic first: the box's bold, once on, wins over italic.
    for (const QString style : {"Italic", "Bold"}) {
        click(&window, "Command6");
        description()->selectAll();
        QTest::keyClicks(description(), style + " usage");
        description()->selectAll();
        choose(&window, "Toolbar1." + style);
        fakes.dialogs.expect(savequestion, answer::yes);
        click(&window, "Command7");
        const QString marker = style == "Bold" ? "(b)" : "(I)";
        expected[2].usage = marker + style + " usage" + marker;
        EXPECT_EQ(fakes.read("XML/gre.xml"), flatxml(expected));
        EXPECT_EQ(window.dictionary().usage(2), expected[2].usage);
    }
}

TEST_F(quiz, DescriptionRefusalsFailedWritesAndShowHide)
{
    start(2);
    const QByteArray before = fakes.read("XML/gre.xml");
    fakes.files.fault.fails = true;
    fakes.dialogs.expect(savequestion, answer::yes);
    fakes.dialogs.expectstart("The description could not be saved; the dictionary file is "
                              "unchanged. Cannot write ");
    click(&window, "Command7");
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
    click(&window, "Command5");
    EXPECT_FALSE(description()->isVisible());
    click(&window, "Command4");
    EXPECT_TRUE(description()->isVisible());

    fakes.write("XML/gre.xml", flatxml({{"only", "m", "u"}}));
    FormMain single(fakes);
    single.start();
    fakes.dialogs.expect("The word on show is not an entry of the dictionary, so its "
                         "description cannot be saved.");
    click(&single, "Command7");
    EXPECT_EQ(fakes.files.writes, 1);
}

TEST_F(quiz, UpdateReplacesTheDefaultDictionaryOnlyWithAGoodList)
{
    start(1);
    httpserver server;
    const QByteArray
        before = fakes.read("XML/gre.xml"),
        fresh = "<GRE>\r\n<word>new</word>\r\n<meaning>m</meaning>\r\n<usage>u</usage>\r\n</GRE>";
    server.respond("/good", httpserver::reply(200, fresh));
    server.respond("/missing", httpserver::reply(404, fresh));
    auto *progress = control<QProgressBar>(&window, "ProgressBar1");
    std::vector<std::pair<bool, int>> bar;
    fakes.dialogs.onshow = [&](const fakedialogs::box &) {
        bar.emplace_back(progress->isVisible(), progress->value());
    };
    // path, the write fails, the file is replaced
    for (const auto &[path, fails, replaced] : std::vector<std::tuple<const char *, bool, bool>>{
             {"/missing", false, false}, {"/good", true, false}, {"/good", false, true}}) {
        bar.clear();
        window.wordListUpdate().setAddress(server.url(path));
        fakes.files.fault.fails = fails;
        fakes.dialogs.expect(" Please Wait ... Updating..");
        fakes.dialogs.expect(replaced ? "Update Successful "
                                      : "Error during update , Please try later");
        choose(&window, "mnuxml");
        EXPECT_EQ(bar, (std::vector<std::pair<bool, int>>{{true, 60}, {true, replaced ? 100 : 60}}))
            << path;
        EXPECT_FALSE(progress->isVisible());
        EXPECT_EQ(fakes.read("XML/gre.xml"), replaced ? fresh + "\r\n" : before) << path;
    }
    EXPECT_EQ(window.dictionary().word(0), "abate") << "the words in use stay until a load";
}

} // namespace
