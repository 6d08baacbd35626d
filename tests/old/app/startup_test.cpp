// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/answerbutton.h"
#include "app/formmain.h"
#include "modglobal.h"
#include "platform/colors.h"
#include "platform/error.h"
#include "platform/twips.h"
#include "store/readxml.h"
#include "support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

using platform::answer;
using testsupport::entry;
using testsupport::fakerandom;

namespace {

const QString loadfailure = QStringLiteral(" There was an error in loading the XML dictionary");

std::vector<entry> sampleentries()
{
    return {{"abate", "(v.) to lessen", "The storm abated."},
            {"belie", "(v.) to contradict", "(b)Her smile belied her fear.(b)"},
            {"cogent", "(adj.) convincing", "(I)A cogent case.(I)"},
            {"dearth", "(n.) a scarcity", "A dearth of rain."},
            {"ebullient", "(adj.) full of energy", "An ebullient crowd."}};
}

class startuptest : public ::testing::Test
{
protected:
    startuptest()
    {
        fakes.write("XML/gre.xml", testsupport::flatxml(sampleentries()));
        fakes.write("settings/settings.ini", testsupport::defaultsettings());
    }

    // Start position, then the four drawn choices.
    void script(int start, std::array<int, 4> drawn, int n = 5)
    {
        fakes.random.script({fakerandom::forposition(start, n)});
        for (int p : drawn)
            fakes.random.script({fakerandom::forposition(p, n)});
    }

    QStringList captions() const
    {
        QStringList result;
        for (answerbutton *each : window.Command1)
            result << each->text();
        return result;
    }

    testsupport::fakeservices fakes;
    FormMain window;
};

TEST_F(startuptest, ShowsTheDrawnWordItsDescriptionAndChoices)
{
    script(1, {3, 4, 1, 2});
    window.start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_EQ(window.windowTitle(), "Vocabrix  GRE /GMAT/ SAT/TOEFL  Vocabulary Builder ");
    EXPECT_EQ(fakes.random.randomized, 1) << "seeded from the clock at start";
    EXPECT_EQ(modglobal::xmlfilepath, "\\XML\\gre.xml");
    EXPECT_EQ(modglobal::wordcount, 5);
    EXPECT_EQ(window.currentword, 1);
    EXPECT_EQ(window.Text1->text(), "belie");
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "(b)Her smile belied her fear.(b)")
        << "markers stay in place until a word is shown by navigation";
    EXPECT_EQ(captions(),
              QStringList({"(v.) to contradict", "(n.) a scarcity", "(adj.) full of energy",
                           "(v.) to contradict", "(adj.) convincing"}));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(window.Command1[i]->geometry(),
                  QRect(platform::twips(480), platform::twips(480 + 960 * i), platform::twips(5000),
                        platform::twips(900)))
            << "button " << i << " stands in slot " << i + 1;
        EXPECT_EQ(window.Label1[i]->text(), QStringLiteral("%1.").arg(i + 1));
    }
    EXPECT_EQ(window.Label5->text(), "");
    EXPECT_EQ(window.Label6->text(), "");
    EXPECT_EQ(window.Label7->text(), "");
    EXPECT_TRUE(window.RichTextBox1->isVisible());
    EXPECT_FALSE(window.RichTextBox1->isEnabled());
    EXPECT_FALSE(window.ProgressBar1->isVisible());
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.Timer1->interval(), 1000);
    EXPECT_EQ(QApplication::focusWidget(), window.Command2[1]) << "keys answer from the start";
}

TEST_F(startuptest, ALoadReadsTheFileOnce)
{
    const int before = readxml::parsecount();
    window.loaddata(QStringLiteral("\\XML\\gre.xml"));
    EXPECT_EQ(readxml::parsecount() - before, 1);
}

TEST_F(startuptest, StartPositionCoversTheReviewRangeOnly)
{
    // The lowest and highest values rnd can give land on 1 and n - 1.
    for (float value : {0.0f, 0.99999994f}) {
        fakes.random.script({value, 0.0f, 0.0f, 0.0f, 0.0f});
        window.loaddata(QStringLiteral("\\XML\\gre.xml"));
        EXPECT_EQ(window.currentword, value == 0.0f ? 1 : 4);
    }
}

TEST_F(startuptest, SettingsReachTheWordBoxAndTheAnswerButtons)
{
    fakes.write("settings/settings.ini",
                "255\r\nDejaVu Serif\r\n30\r\n0\r\nArial\r\n14\r\n16711680\r\nDejaVu Sans\r\n"
                "15\r\n0\r\nArial\r\n24");
    window.start();
    EXPECT_EQ(window.Text1->font().family(), "DejaVu Serif");
    EXPECT_EQ(window.Text1->font().pointSizeF(), 30);
    EXPECT_TRUE(window.Text1->font().bold());
    EXPECT_EQ(window.Text1->palette().color(QPalette::Text), QColor(255, 0, 0));
    for (answerbutton *each : window.Command1) {
        EXPECT_EQ(each->font().family(), "DejaVu Sans");
        EXPECT_EQ(each->font().pointSizeF(), 15);
        EXPECT_EQ(each->backcolor(), QColor(0, 0, 255));
        EXPECT_EQ(each->palette().color(QPalette::ButtonText), QColor(Qt::white))
            << "the caption stays readable on a dark face";
    }
}

TEST_F(startuptest, DefaultsApplyWhenTheSettingsAreUnusable)
{
    for (const QByteArray &content :
         {QByteArray("0\r\nArial\r\n36\r\n0\r\nArial\r\n14\r\n0\r\n\r\n12\r\n0\r\nArial\r\n24"),
          QByteArray("just one line")}) {
        fakes.write("settings/settings.ini", content);
        modglobal::reset();
        window.setfontcolor();
        EXPECT_EQ(modglobal::answerfontname, "Book Antiqua");
        EXPECT_EQ(modglobal::mainfontsize, "36");
        EXPECT_EQ(modglobal::flashfontsize, "24");
    }
    QFile::remove(fakes.path("settings/settings.ini"));
    window.start();
    EXPECT_TRUE(window.isVisible()) << "a missing settings file still starts";
    for (answerbutton *each : window.Command1) {
        EXPECT_EQ(each->font().family(), "Book Antiqua");
        EXPECT_EQ(each->font().pointSizeF(), 12);
        EXPECT_EQ(each->backcolor(), QColor(Qt::black));
    }
}

TEST_F(startuptest, TwoEntriesAlwaysShowTheSecondEverywhere)
{
    fakes.write("XML/gre.xml",
                testsupport::flatxml({{"first", "m0", "u0"}, {"second", "m1", "u1"}}));
    window.start();
    EXPECT_EQ(window.currentword, 1);
    EXPECT_EQ(window.Text1->text(), "second");
    EXPECT_EQ(captions(), QStringList(5, "m1"));
}

TEST_F(startuptest, OneEntryShowsTheEmptyEndPosition)
{
    fakes.write("XML/gre.xml", testsupport::flatxml({{"only", "m0", "u0"}}));
    window.start();
    EXPECT_EQ(window.currentword, 1);
    EXPECT_EQ(window.Text1->text(), "");
    EXPECT_EQ(captions(), QStringList(5, ""));
}

TEST_F(startuptest, AFailedLoadOpensAnEmptyWindowWithAMessage)
{
    fakes.write("XML/gre.xml", "<GRE><word>broken</GRE>");
    fakes.dialogs.expect(loadfailure);
    window.start();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
    EXPECT_EQ(window.Text1->text(), "");
    EXPECT_EQ(captions(), QStringList(5, ""));
    EXPECT_EQ(modglobal::wordcount, 0);
    EXPECT_EQ(modglobal::wordlist, QStringList({""}));
}

TEST_F(startuptest, AFailedReloadClearsTheQuizAndKeepsThePosition)
{
    script(3, {1, 1, 1, 1});
    window.start();
    ASSERT_EQ(window.currentword, 3);
    fakes.write("XML/empty.xml", "<GRE></GRE>");
    EXPECT_THROW(window.loaddata(QStringLiteral("/XML/empty.xml")), vocabrix::error);
    EXPECT_EQ(window.currentword, 3);
    EXPECT_EQ(window.Text1->text(), "");
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "");
    EXPECT_EQ(captions(), QStringList(5, ""));
}

TEST_F(startuptest, FewerMeaningsFailTheLoadPastTheirEnd)
{
    fakes.write("XML/gre.xml", "<GRE><word>a</word><word>b</word><word>c</word><word>d</word>"
                               "<meaning>ma</meaning><meaning>mb</meaning>"
                               "<usage>ua</usage><usage>ub</usage><usage>uc</usage>"
                               "<usage>ud</usage></GRE>");
    script(2, {1, 1, 1, 1}, 4);
    window.loaddata(QStringLiteral("\\XML\\gre.xml"));
    EXPECT_EQ(captions()[0], "") << "position 2 is the meaning list's empty end";

    script(3, {1, 1, 1, 1}, 4);
    EXPECT_THROW(window.loaddata(QStringLiteral("\\XML\\gre.xml")), vocabrix::error);
    EXPECT_EQ(window.currentword, 2);
}

TEST_F(startuptest, ControlsCarryTheirCaptionsAndTooltips)
{
    window.start();
    struct expected
    {
        const char *name, *caption, *tooltip;
    };
    const std::vector<expected> table{
        {"Command9", "&Auto Mode", "Set Program in Auto Mode to randomly display cards"},
        {"Command7", "S&ave", "Save your description."},
        {"Command8", "&Exit", "Exit from Program"},
        {"Command6", "&Edit", "Add your own description by editing the text above"},
        {"Command5", "&Hide", "Hide description to test your memory recall "},
        {"Command4", "Sho&w ",
         "Show description to help you grasp the contextual meaning of the word."},
        {"Command3", "&View Log", "Score"},
        {"Command10", "&Image Search", "Google Image Search"},
        {"Command2(0)", "&Flash ", ""},
        {"Command2(1)", "&Next", ""},
        {"Command2(2)", "&Previous", ""},
        {"Command2(3)", "Net &Search", ""}};
    for (const expected &each : table) {
        auto *button = window.findChild<QPushButton *>(QLatin1String(each.name));
        ASSERT_TRUE(button) << each.name;
        EXPECT_EQ(button->text(), QLatin1String(each.caption)) << each.name;
        EXPECT_EQ(button->toolTip(), QLatin1String(each.tooltip)) << each.name;
    }
    const std::vector<std::pair<const char *, const char *>> labels{
        {"Label2", "Correctly Answered:"}, {"Label3", "Incorrectly Answered:"},
        {"Label4", "Percentage:"},         {"Label10", "Log:"},
        {"Label111(0)", "Flash Word:"},    {"Label111(1)", "Next Word:"},
        {"Label111(2)", "Previous Word:"}, {"Label111(3)", "Online Dictionary:"}};
    for (const auto &[name, caption] : labels) {
        auto *label = window.findChild<QLabel *>(QLatin1String(name));
        ASSERT_TRUE(label) << name;
        EXPECT_EQ(label->text(), QLatin1String(caption));
    }
    const std::vector<std::pair<const char *, const char *>> frames{
        {"Frame1", "Test your GRE vocabulary [Review Mode]"},
        {"Frame2", "Answer Window"},
        {"Frame3", "Miscellaneous"},
        {"Frame4", "Control Panel"},
        {"Frame5", "Results"},
        {"Frame6", "Description"}};
    for (const auto &[name, caption] : frames) {
        auto *frame = window.findChild<QGroupBox *>(QLatin1String(name));
        ASSERT_TRUE(frame) << name;
        EXPECT_EQ(frame->title(), QLatin1String(caption));
    }
    EXPECT_EQ(window.combdict->currentText(), "Webster");
    EXPECT_EQ(window.combdict->count(), 4);
    EXPECT_TRUE(window.findChild<QToolBar *>("Toolbar1"));
}

TEST_F(startuptest, MenusHoldTheirEntriesInOrder)
{
    const std::vector<std::pair<QMenu *, QStringList>> table{
        {window.mnuFile, {"&Open Custom XML Dictionary", "Edit &XML Dictionary", "E&xit"}},
        {window.mnuTool, {"&Options"}},
        {window.mnuView, {"&List Mode", "&Flash Card Mode", "&Memory Game"}},
        {window.mnuhelp, {"&Contents", "Update XML wordlist", "&About"}}};
    QStringList menus;
    for (const auto &[menu, entries] : table) {
        menus << menu->title();
        QStringList found;
        for (QAction *action : menu->actions())
            found << action->text();
        EXPECT_EQ(found, entries) << menu->title().toStdString();
    }
    EXPECT_EQ(menus, QStringList({"&File", "&Tool", "&View", "&Help"}));
    EXPECT_EQ(window.mnuOpen->shortcut(), QKeySequence(QStringLiteral("Ctrl+O")));
}

TEST_F(startuptest, ExitAsksAndOnlyYesEndsTheProgram)
{
    script(2, {1, 2, 3, 4});
    window.start();
    QSignalSpy ended(&window, &FormMain::ended);
    const QStringList before = captions();

    fakes.dialogs.expect("Do you want to Exit ? ", answer::no);
    QTest::mouseClick(window.Command8, Qt::LeftButton);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::question);
    EXPECT_EQ(fakes.dialogs.shown.back().set, platform::buttons::yesno);
    EXPECT_EQ(ended.count(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.currentword, 2);
    EXPECT_EQ(captions(), before);
    EXPECT_TRUE(modglobal::hasxmlreader());

    QWidget other;
    other.show();
    fakes.dialogs.expect("Do you want to Exit ? ", answer::yes);
    QTest::mouseClick(window.Command8, Qt::LeftButton);
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(other.isVisible()) << "other windows close with the program";
    EXPECT_FALSE(modglobal::hasxmlreader());
}

TEST_F(startuptest, ExitMenuAndCloseBoxEndWithoutAQuestion)
{
    window.start();
    QSignalSpy ended(&window, &FormMain::ended);
    window.mnuexit->trigger();
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(window.isVisible());

    FormMain second;
    second.start();
    QSignalSpy secondended(&second, &FormMain::ended);
    EXPECT_TRUE(second.close());
    EXPECT_EQ(secondended.count(), 1);
    EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(startuptest, AnswerButtonsExposeTheirWholeCaption)
{
    const QString longmeaning = QStringLiteral(
        "(adj.) marked by a casual lack of concern & interest; showing indifference to matters "
        "that would ordinarily excite or move a person, even in the face of danger or loss");
    fakes.write("XML/gre.xml",
                testsupport::flatxml(
                    {{"w0", "m0", "u0"}, {"blasé", "(adj.) bored", "u"}, {"w2", "m2", "u2"}}));
    window.start();
    window.Command1[0]->setText(longmeaning);
    EXPECT_EQ(window.Command1[0]->text(), longmeaning);
    EXPECT_EQ(window.Command1[0]->accessibleName(), longmeaning)
        << "the ampersand is kept, not taken as an accelerator";
    EXPECT_EQ(window.Command1[0]->toolTip(), longmeaning);
    EXPECT_TRUE(window.Command1[0]->shortcut().isEmpty());
}

} // namespace
