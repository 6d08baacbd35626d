// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyfixture.h"

#include "modes/formflash.h"
#include "modglobal.h"
#include "platform/colors.h"
#include "platform/twips.h"

#include <QGroupBox>
#include <QTextEdit>
#include <QTimer>

using platform::twips;
using testsupport::fakerandom;

namespace {

QRect twipsrect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

class flashtest : public studyfixture
{
protected:
    flashtest() { loadwords(numbered(6)); }

    // Opens the window on a position of the review range.
    void openat(int position)
    {
        fakes.random.script({fakerandom::forposition(position, modglobal::wordcount)});
        window.formload(modglobal::xmlfilepath);
        ASSERT_EQ(window.flashposition, position);
    }

    void press(int index) { click(&window, QStringLiteral("Command2(%1)").arg(index)); }
    QString word() const { return window.Text1[0]->toPlainText(); }
    QString meaning() const { return window.Text1[1]->toPlainText(); }
    bool meaningshown() const { return window.Text1[1]->isVisible(); }

    FormFlash window;
};

TEST_F(flashtest, ControlsStandWhereDesigned)
{
    openat(2);
    EXPECT_EQ(window.windowTitle(), "Flash Card Mode");
    EXPECT_EQ(window.size(), QSize(twips(9510), twips(6390)));
    EXPECT_EQ(window.Frame1->title(), "Flash Card");
    EXPECT_EQ(window.Frame1->geometry(), twipsrect(0, 120, 9495, 6255));
    EXPECT_EQ(window.Text1[0]->geometry(), twipsrect(120, 240, 9255, 2500));
    EXPECT_EQ(window.Text1[1]->geometry(), twipsrect(120, 2880, 9285, 2500));
    const QColor box = platform::colorfromcode(14737632);
    for (QTextEdit *each : window.Text1)
        EXPECT_EQ(each->palette().color(QPalette::Base), box);
    EXPECT_EQ(window.palette().color(QPalette::Window), platform::colorfromcode(16744576));

    const std::vector<std::tuple<int, const char *, int>> buttons{
        {1, "&Flash ", 120}, {2, "&Previous", 1440},  {3, "&Next", 2760},  {6, "&Net Search", 4200},
        {4, "&Solve", 5520}, {7, "&Auto Mode", 6840}, {8, "&Cancel", 8160}};
    for (const auto &[index, caption, left] : buttons) {
        QAbstractButton *button = window.Command2[size_t(index)];
        ASSERT_TRUE(button) << index;
        EXPECT_EQ(button->text(), QLatin1String(caption));
        // Solve sits on the window; the others in the frame, 120 twips lower than the window.
        const QPoint onwindow = button->mapTo(&window, QPoint(0, 0));
        EXPECT_EQ(onwindow, QPoint(twips(left), twips(5640))) << caption;
        EXPECT_EQ(button->size(), QSize(twips(1200), twips(650))) << caption;
        EXPECT_EQ(button->palette().color(QPalette::Button), platform::colorfromcode(16761024));
        EXPECT_FALSE(button->icon().isNull()) << caption;
    }
    EXPECT_EQ(window.Command2[4]->parentWidget(), &window);
    EXPECT_EQ(window.Timer1->interval(), 1500);
    EXPECT_FALSE(window.Timer1->isActive());
}

TEST_F(flashtest, OpeningShowsARandomWordWithItsMeaningHidden)
{
    fakes.random.script({fakerandom::forposition(4, 6)});
    window.formload(modglobal::xmlfilepath);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(fakes.random.randomized, 1) << "reseeded on every opening";
    EXPECT_EQ(window.flashposition, 4);
    EXPECT_EQ(word(), "w4");
    EXPECT_FALSE(meaningshown());
    EXPECT_EQ(window.Text1[0]->alignment(), Qt::AlignHCenter);
}

TEST_F(flashtest, ButtonsStepThroughTheListAndHideTheMeaning)
{
    openat(1);
    struct step
    {
        int button;
        int position;
        const char *word;
    };
    // Previous reaches the first entry that a draw never gives; Next stops on the empty end.
    const std::vector<step> steps{{2, 0, "w0"}, {2, 1, "w1"}, {3, 2, "w2"}, {3, 3, "w3"},
                                  {3, 4, "w4"}, {3, 5, "w5"}, {3, 6, ""},   {3, 6, ""},
                                  {1, 1, "w1"}, {2, 0, "w0"}, {1, 1, "w1"}};
    for (const step &each : steps) {
        press(4);
        EXPECT_TRUE(meaningshown());
        press(each.button);
        EXPECT_EQ(window.flashposition, each.position) << "button " << each.button;
        EXPECT_EQ(word(), QLatin1String(each.word));
        EXPECT_FALSE(meaningshown()) << "a new word hides the meaning";
    }
    fakes.random.script({fakerandom::forposition(3, 6)});
    press(1);
    EXPECT_EQ(window.flashposition, 3) << "inside the review range Flash draws";
    EXPECT_EQ(fakes.random.randomized, 1) << "without reseeding";
}

TEST_F(flashtest, SolveShowsTheMeaningOfTheWordShown)
{
    openat(3);
    press(4);
    EXPECT_TRUE(meaningshown());
    EXPECT_EQ(meaning(), "m3");
    press(3);
    EXPECT_EQ(meaning(), "m3") << "the text stays, hidden, until the next Solve";
    press(4);
    EXPECT_EQ(meaning(), "m4");
}

TEST_F(flashtest, AutoModeStepsOnEachTickUntilStopped)
{
    openat(4);
    press(7);
    EXPECT_TRUE(window.Timer1->isActive());
    EXPECT_EQ(window.Command2[7]->text(), "Stop");
    press(4);
    window.Timer1_Timer();
    EXPECT_EQ(window.flashposition, 5);
    EXPECT_FALSE(meaningshown()) << "the tick hides the meaning";
    window.Timer1_Timer();
    window.Timer1_Timer();
    EXPECT_EQ(window.flashposition, 6) << "ticks stay on the empty end";
    EXPECT_EQ(word(), "");
    press(7);
    EXPECT_FALSE(window.Timer1->isActive());
    EXPECT_EQ(window.Command2[7]->text(), "Auto Mode");
}

TEST_F(flashtest, ClosingKeepsThePositionAndRestoresTheDesign)
{
    openat(2);
    press(7);
    press(4);
    press(8);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.Timer1->isActive()) << "closing stops auto mode";
    EXPECT_EQ(window.Command2[7]->text(), "&Auto Mode");
    EXPECT_EQ(window.flashposition, 2);

    modglobal::flashfontname = QStringLiteral("DejaVu Serif");
    modglobal::flashfontcolor = QStringLiteral("255");
    modglobal::flashfontsize = QStringLiteral("30");
    openat(5);
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(meaningshown());
    for (QTextEdit *each : window.Text1) {
        EXPECT_EQ(each->font().family(), "DejaVu Serif") << "the load step ran again";
        EXPECT_EQ(each->font().pointSizeF(), 30);
        EXPECT_EQ(each->palette().color(QPalette::Text), QColor(255, 0, 0));
    }
}

TEST_F(flashtest, NetSearchLooksUpWhatTheWordBoxHolds)
{
    openat(1);
    window.Text1[0]->setPlainText(QStringLiteral("sang & froid"));
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

TEST_F(flashtest, PositionsTheListDoesNotReachReadAsEmpty)
{
    // Four words, two meanings: positions 2 and 3 have no meaning.
    loadxml("<GRE><word>a</word><word>b</word><word>c</word><word>d</word>"
            "<meaning>ma</meaning><meaning>mb</meaning></GRE>");
    openat(1);
    press(4);
    EXPECT_EQ(meaning(), "mb");
    press(3);
    press(3);
    press(4);
    EXPECT_EQ(word(), "d");
    EXPECT_EQ(meaning(), "") << "beyond the meaning list";

    // A shorter list loaded while the window is open.
    loadwords(numbered(2));
    press(4);
    EXPECT_EQ(meaning(), "");
    press(2);
    EXPECT_EQ(window.flashposition, 2);
    EXPECT_EQ(word(), "");
    EXPECT_TRUE(fakes.dialogs.shown.empty()) << "nothing to report";
}

TEST_F(flashtest, AnEmptyWordListOpensEmpty)
{
    for (const QByteArray &xml : {QByteArray("<GRE></GRE>"), QByteArray("not xml")}) {
        loadxml(xml);
        fakes.random.script({0.0f});
        window.formload(modglobal::xmlfilepath);
        EXPECT_EQ(word(), "");
        for (int index : {1, 2, 3, 4, 3, 2})
            press(index);
        EXPECT_EQ(word(), "");
        EXPECT_EQ(meaning(), "");
    }
    modglobal::reset();
    window.formload(QString());
    press(4);
    EXPECT_EQ(word(), "") << "no list at all";
}

} // namespace
