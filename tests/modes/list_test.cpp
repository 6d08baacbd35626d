// SPDX-License-Identifier: GPL-3.0-or-later
#include "modesfixture.h"

#include "widgets/modes/formlist.h"

#include <QAction>
#include <QFileInfo>
#include <QPlainTextEdit>

using namespace widgets;

namespace {

class ListTest : public ModesFixture
{
protected:
    QString showList()
    {
        fakes.dialogs.expect(QStringLiteral("Word List Created"));
        fakes.dialogs.onShow = [this, open = window.isVisible()](const auto &) {
            EXPECT_EQ(window.isVisible(), open) << "the message comes before the window";
        };
        window.showWordList();
        EXPECT_TRUE(window.isVisible());
        return window.findChild<QPlainTextEdit *>("Text1")->toPlainText();
    }

    FormList window{words, fakes};
};

TEST_F(ListTest, ListsTheEntriesAfterTheFirstThenPrintsOrSaysItCouldNot)
{
    EXPECT_EQ(showList(), "") << "an empty list";
    loadXml("<GRE><word>a</word><word>two\r\nlines</word><word>c</word>"
            "<meaning>ma</meaning><meaning>x:  y</meaning></GRE>");
    EXPECT_EQ(showList(), "two\nlines:  x:  y\nc:  \n:  \n") << "listing again replaces it";
    // While open, the list follows the dictionary, without a second message.
    loadXml("<GRE><word>a</word><word>b</word><meaning>ma</meaning><meaning>mb</meaning></GRE>");
    EXPECT_EQ(window.findChild<QPlainTextEdit *>("Text1")->toPlainText(), "b:  mb\n:  \n");
    click(&window, QStringLiteral("Command2(0)"));
    window.findChild<QAction *>(QStringLiteral("mnuprint"))->trigger();
    ASSERT_EQ(fakes.printer.printed.size(), 2u);
    EXPECT_GT(QFileInfo(fakes.printer.printed[1]).size(), 1000);
    fakes.printer.works = false;
    fakes.dialogs.expect(QStringLiteral("Error in Printing"));
    click(&window, QStringLiteral("Command2(0)"));
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::Icon::critical);
    click(&window, QStringLiteral("Command2(1)"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.findChild<QPlainTextEdit *>("Text1")->toPlainText(), "") << "discarded";
}

} // namespace
