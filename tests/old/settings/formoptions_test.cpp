// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/answerbutton.h"
#include "app/formmain.h"
#include "modglobal.h"
#include "settings/formoptions.h"
#include "settings/globalfileroutines.h"
#include "support/fakes.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using platform::answer;
using platform::fontchoice;

namespace {

const QString question = QStringLiteral("Update Color and Font Settings ?");
const QString saved = QStringLiteral(
    "Settings have been saved , They will be loaded the next time you start your program ");
// What the program starts with in these tests: no default anywhere, so a value that comes
// from the wrong line shows.
const QByteArray started = "255\r\nDejaVu Serif\r\n30\r\n65280\r\nDejaVu Sans\r\n15\r\n"
                           "16711680\r\nLiberation Serif\r\n11\r\n8421504\r\nLiberation Sans\r\n20";

class optionstest : public ::testing::Test
{
protected:
    optionstest()
    {
        fakes.write("XML/gre.xml", testsupport::flatxml({{"w0", "m0", "u0"}, {"w1", "m1", "u1"}}));
        fakes.write("settings/settings.ini", started);
        EXPECT_TRUE(loadsettings());
        forms::options().open();
    }
    FormOptions &window() { return forms::options(); }

    void click(const char *name)
    {
        auto *button = window().findChild<QPushButton *>(QLatin1String(name));
        ASSERT_TRUE(button) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void ok(answer reply = answer::ok)
    {
        fakes.dialogs.expect(question, reply);
        if (reply == answer::ok)
            fakes.dialogs.expect(saved);
        click("Command2(1)");
    }

    QByteArray settingsfile() const { return fakes.read("settings/settings.ini"); }

    testsupport::fakeservices fakes;
};

TEST_F(optionstest, ButtonsStandInTheirFramesWithCaptionsAndTooltips)
{
    EXPECT_EQ(window().windowTitle(), "Options");
    struct expected
    {
        const char *button, *caption, *frame;
    };
    const std::vector<expected> table{
        {"Command1(0)", "&Select Font", "Font Settings"},
        {"Command1(1)", "Select &Color", "Font Settings"},
        {"Command1(2)", "Select &Color", "Font Settings Memory Game"},
        {"Command1(3)", "&Select Font", "Font Settings Memory Game"},
        {"Command1(4)", "&Select Font", "Font Settings Answer Window"},
        {"Command1(5)", "Select &Color", "Font Settings Answer Window"},
        {"Command1(6)", "&Select Font", "Font Settings Flash Card "},
        {"Command1(7)", "Select &Color", "Font Settings Flash Card "}};
    for (const expected &each : table) {
        auto *button = window().findChild<QPushButton *>(QLatin1String(each.button));
        ASSERT_TRUE(button) << each.button;
        EXPECT_EQ(button->text(), QLatin1String(each.caption)) << each.button;
        EXPECT_EQ(button->toolTip(), button->text() == "&Select Font"
                                         ? "Sets font of Main Window"
                                         : "Sets Color of Main window Word");
        auto *frame = qobject_cast<QGroupBox *>(button->parentWidget());
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->title(), QLatin1String(each.frame)) << each.button;
    }
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window().findChild<QGroupBox *>(QStringLiteral("Frame1(%1)").arg(i))->title(),
                  table[2 * i].frame);
    const QStringList labels{"Main Font Type", "Main Font Color", "Font Type", "Font Color",
                             "Font Type",      "Font Color",      "Font Type", "Font Color"};
    for (int i = 0; i < 8; ++i) {
        auto *label = window().findChild<QLabel *>(QStringLiteral("Label1(%1)").arg(i));
        ASSERT_TRUE(label);
        EXPECT_EQ(label->text(), labels[i]);
        EXPECT_EQ(label->font().family(), "Book Antiqua");
        EXPECT_EQ(label->parentWidget(), window().Frame1[i / 2]) << "two labels a frame";
    }
    EXPECT_EQ(window().Command2[0]->text(), "&Cancel");
    EXPECT_EQ(window().Command2[1]->text(), "&Ok");
}

TEST_F(optionstest, OkWithoutPickingWritesTheValuesTheProgramStartedWith)
{
    fakes.write("settings/settings.ini", testsupport::defaultsettings());
    ok();
    EXPECT_EQ(settingsfile(), started) << "exact bytes, no line end after the last line";
    EXPECT_TRUE(window().isVisible()) << "the dialog stays open";
}

TEST_F(optionstest, EachButtonChangesItsOwnGroupOnly)
{
    fakes.dialogs.expectfont(fontchoice{"Nimbus Roman", 40});
    click("Command1(0)");
    fakes.dialogs.expectcolor(QColor(1, 2, 3));
    click("Command1(1)");
    fakes.dialogs.expectcolor(QColor(0, 0, 0));
    click("Command1(2)");
    fakes.dialogs.expectfont(fontchoice{"P052", 16});
    click("Command1(3)");
    fakes.dialogs.expectfont(fontchoice{"Comic Neue", 13});
    click("Command1(4)");
    fakes.dialogs.expectcolor(QColor(255, 255, 255));
    click("Command1(5)");
    fakes.dialogs.expectfont(fontchoice{"URW Gothic", 28});
    click("Command1(6)");
    fakes.dialogs.expectcolor(QColor(0, 0, 255));
    click("Command1(7)");

    ok();
    EXPECT_EQ(settingsfile(), "197121\r\nNimbus Roman\r\n40\r\n0\r\nP052\r\n16\r\n16777215\r\n"
                              "Comic Neue\r\n13\r\n16711680\r\nURW Gothic\r\n28");
    // Each picker opened on its own group's current value.
    ASSERT_EQ(fakes.dialogs.fontstarts.size(), 4u);
    EXPECT_EQ(fakes.dialogs.fontstarts[0].name, "DejaVu Serif");
    EXPECT_EQ(fakes.dialogs.fontstarts[0].size, 30);
    EXPECT_EQ(fakes.dialogs.fontstarts[1].name, "DejaVu Sans");
    EXPECT_EQ(fakes.dialogs.fontstarts[2].name, "Liberation Serif");
    EXPECT_EQ(fakes.dialogs.fontstarts[3].size, 20);
    ASSERT_EQ(fakes.dialogs.colorstarts.size(), 4u);
    EXPECT_EQ(fakes.dialogs.colorstarts[0], QColor(255, 0, 0));
    EXPECT_EQ(fakes.dialogs.colorstarts[1], QColor(0, 255, 0));
    EXPECT_EQ(fakes.dialogs.colorstarts[2], QColor(0, 0, 255));
    EXPECT_EQ(fakes.dialogs.colorstarts[3], QColor(128, 128, 128));
}

TEST_F(optionstest, CancelledPickersAndUnsizedFontsKeepWhatWasThere)
{
    fakes.dialogs.expectfont(std::nullopt);
    click("Command1(0)");
    fakes.dialogs.expectcolor(std::nullopt);
    click("Command1(1)");
    // A bitmap font reports no point size: the face changes, the size stays.
    fakes.dialogs.expectfont(fontchoice{"Nimbus Mono PS", -1});
    click("Command1(6)");
    ok();
    QByteArray expected = started;
    expected.replace("Liberation Sans", "Nimbus Mono PS");
    EXPECT_EQ(settingsfile(), expected);
}

TEST_F(optionstest, AFractionalSizeIsWrittenInTheSystemNumberFormat)
{
    fakes.dialogs.expectfont(fontchoice{"DejaVu Sans", 13.5});
    click("Command1(4)");
    ok();
    const QString size = QLocale::system().toString(13.5);
    EXPECT_EQ(QString::fromUtf8(settingsfile()).split("\r\n")[8], size);
    EXPECT_EQ(modglobal::answerfontsize, size);
    EXPECT_TRUE(loadsettings()) << "the program reads back what it wrote";
    EXPECT_EQ(modglobal::answerfontsize, size);
}

TEST_F(optionstest, CancelOnTheQuestionKeepsTheFileYetLaterWindowsUseTheChoice)
{
    FormMain main;
    main.start();
    const QFont wordfont = main.Text1->font();

    fakes.dialogs.expectfont(fontchoice{"Comic Neue", 17});
    click("Command1(4)");
    fakes.dialogs.expectcolor(QColor(255, 255, 0));
    click("Command1(5)");
    fakes.dialogs.expectfont(fontchoice{"P052", 50});
    click("Command1(0)");
    ok(answer::cancel);

    EXPECT_EQ(settingsfile(), started);
    EXPECT_EQ(modglobal::answerfontname, "Comic Neue");
    EXPECT_EQ(modglobal::answercolor, "65535");
    EXPECT_EQ(modglobal::mainfontname, "P052");
    EXPECT_EQ(main.Text1->font(), wordfont) << "the word box changes only at the next start";

    main.loaddata(QStringLiteral("\\XML\\gre.xml"));
    for (answerbutton *each : main.Command1) {
        EXPECT_EQ(each->font().family(), "Comic Neue");
        EXPECT_EQ(each->font().pointSizeF(), 17);
        EXPECT_EQ(each->backcolor(), QColor(255, 255, 0));
    }
    EXPECT_EQ(main.Text1->font(), wordfont);
}

TEST_F(optionstest, OkTwiceAsksTwiceAndWritesTwice)
{
    ok();
    fakes.write("settings/settings.ini", "changed meanwhile");
    fakes.dialogs.expectcolor(QColor(0, 0, 128));
    click("Command1(7)");
    ok();
    QByteArray expected = started;
    expected.replace("8421504", "8388608");
    EXPECT_EQ(settingsfile(), expected);
    EXPECT_EQ(fakes.dialogs.shown.size(), 4u);
}

TEST_F(optionstest, CancelDiscardsThePicksAndTheNextOpeningReloads)
{
    fakes.dialogs.expectfont(fontchoice{"P052", 22});
    click("Command1(3)");
    window().open();
    EXPECT_EQ(window().cd2.fontname, "P052") << "an open dialog only comes to the front";

    click("Command2(0)");
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(settingsfile(), started);
    EXPECT_EQ(modglobal::memoryfontname, "DejaVu Sans");

    window().open();
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().cd2.fontname, "DejaVu Sans");
    EXPECT_EQ(window().cd2.fontsize, 15);
    EXPECT_EQ(window().cd2.color, 65280);
    ok();
    EXPECT_EQ(settingsfile(), started);
}

TEST_F(optionstest, TheToolMenuOpensTheDialog)
{
    window().close();
    FormMain main;
    main.start();
    modglobal::flashfontname = QStringLiteral("Nimbus Sans");
    main.mnuOptions->trigger();
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().cd4.fontname, "Nimbus Sans");
}

} // namespace
