// SPDX-License-Identifier: GPL-3.0-or-later
#include "modesfixture.h"

#include "widgets/main/formmain.h"
#include "widgets/modes/formlist.h"
#include "widgets/modes/memorycard.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

class listtest : public modesfixture
{
protected:
    void showList()
    {
        fakes.dialogs.expect(QStringLiteral("Word List Created"));
        const bool open = window.isVisible();
        fakes.dialogs.onshow = [this, open](const auto &) {
            EXPECT_EQ(window.isVisible(), open) << "the message comes before the window";
        };
        window.showWordList();
        fakes.dialogs.onshow = nullptr;
        EXPECT_TRUE(window.isVisible());
    }
    QString shown() const { return window.findChild<QPlainTextEdit *>("Text1")->toPlainText(); }

    FormList window{words, fakes};
};

TEST_F(listtest, ListsTheEntriesAfterTheFirstAndTheEmptyEnd)
{
    showList();
    EXPECT_EQ(shown(), "") << "an empty list";
    loadxml("<GRE><word>a</word><word>two\r\nlines</word><word>c</word>"
            "<meaning>ma</meaning><meaning>x:  y</meaning></GRE>");
    showList();
    EXPECT_EQ(shown(), "two\nlines:  x:  y\nc:  \n:  \n") << "listing again replaces the text";
    click(&window, QStringLiteral("Command2(1)"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(shown(), "") << "Cancel discards the list";
}

TEST_F(listtest, PrintsTheWindowOrSaysItCouldNot)
{
    loadwords(4);
    showList();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    click(&window, QStringLiteral("Command2(0)"));
    window.findChild<QAction *>(QStringLiteral("mnuprint"))->trigger();
    ASSERT_EQ(fakes.printer.printed.size(), 2u);
    for (const QString &file : fakes.printer.printed)
        EXPECT_GT(QFileInfo(file).size(), 1000) << file.toStdString();

    fakes.printer.works = false;
    fakes.dialogs.expect(QStringLiteral("Error in Printing"));
    click(&window, QStringLiteral("Command2(0)"));
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
    EXPECT_EQ(shown(), "w1:  m1\nw2:  m2\nw3:  m3\n:  \n") << "the window stays as it was";
}

template <typename Window> Window *topLevel(const char *name)
{
    for (QWidget *each : QApplication::topLevelWidgets()) {
        if (each->objectName() == QLatin1String(name) && each->isVisible())
            return qobject_cast<Window *>(each);
    }
    return nullptr;
}

// The view menu opens the three study windows over the dictionary the main window loaded.
TEST_F(modesfixture, TheMainWindowOpensTheStudyWindows)
{
    loadwords(8);
    FormMain main(fakes);
    main.start();
    main.findChild<QAction *>(QStringLiteral("mnuFlash"))->trigger();
    auto *flash = topLevel<QWidget>("FormFlash");
    ASSERT_TRUE(flash);
    EXPECT_TRUE(flash->findChild<QTextEdit *>("Text1(0)")->toPlainText().startsWith('w'));
    main.findChild<QAction *>(QStringLiteral("mnumemory"))->trigger();
    auto *memory = topLevel<QWidget>("FormMemory");
    ASSERT_TRUE(memory);
    EXPECT_TRUE(memory->findChild<MemoryCard *>("Label1(0)")->text().startsWith('w'));
    fakes.dialogs.expect(QStringLiteral("Word List Created"));
    main.findChild<QAction *>(QStringLiteral("mnuList"))->trigger();
    auto *list = topLevel<QWidget>("FormList");
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->findChild<QPlainTextEdit *>("Text1")->toPlainText().startsWith("w1:  m1\n"));
}

} // namespace
