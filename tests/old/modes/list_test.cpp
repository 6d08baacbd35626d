// SPDX-License-Identifier: GPL-3.0-or-later
#include "studyfixture.h"

#include "modes/formlist.h"
#include "modes/listtext.h"
#include "modglobal.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QPlainTextEdit>

namespace {

#ifdef __SANITIZE_ADDRESS__
// Every allocation is traced there; the budget still rules out copying the text per line.
constexpr qint64 buildbudgetms = 5000;
#else
constexpr qint64 buildbudgetms = 1000;
#endif

class listtest : public studyfixture
{
protected:
    // Lists what is loaded, answering "Word List Created".
    void showlist()
    {
        fakes.dialogs.expect(QStringLiteral("Word List Created"));
        window.showwordlist();
        EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::information);
    }

    QString shown() const { return window.Text1->toPlainText(); }

    FormList window;
};

TEST_F(listtest, ListsEveryEntryAfterTheFirstThenTheEmptyEnd)
{
    loadwords({{"abate", "(v.) to lessen", "u"},
               {"belie", "(v.) to contradict", "u"},
               {"cogent", "(adj.) convincing", "u"}});
    EXPECT_EQ(listtext(modglobal::wordcount),
              "belie:  (v.) to contradict\r\ncogent:  (adj.) convincing\r\n:  \r\n");
    showlist();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "List View");
    EXPECT_EQ(shown(), "belie:  (v.) to contradict\ncogent:  (adj.) convincing\n:  \n");
}

TEST_F(listtest, TextsAreListedAsTheyAre)
{
    modglobal::xmlreader();
    modglobal::wordlist = {"first", "two\r\nlines", "", "a&b <i>", ""};
    modglobal::meaninglist = {"m0", "line one\r\nline two", "", "x:  y", ""};
    modglobal::wordcount = 4;
    EXPECT_EQ(listtext(4), "two\r\nlines:  line one\r\nline two\r\n:  \r\n"
                           "a&b <i>:  x:  y\r\n:  \r\n");
}

TEST_F(listtest, ShortListsGiveEmptyTextsNotFailures)
{
    const std::vector<std::pair<QByteArray, QString>> table{
        {"<GRE></GRE>", ""},
        {"not a dictionary", ""},
        {"<GRE><word>a</word><word>b</word><word>c</word><meaning>ma</meaning></GRE>",
         "b:  \r\nc:  \r\n:  \r\n"},
    };
    for (const auto &[xml, expected] : table) {
        loadxml(xml);
        EXPECT_EQ(listtext(modglobal::wordcount), expected) << xml.toStdString();
    }
    modglobal::reset();
    modglobal::wordcount = 3;
    EXPECT_EQ(listtext(3), ":  \r\n:  \r\n:  \r\n") << "a count without a list";
}

// Records, for each message box, whether the list window was on screen at that moment.
class probingdialogs : public testsupport::fakedialogs
{
public:
    explicit probingdialogs(QWidget *watched) : watched(watched) {}
    platform::answer message(const QString &text, platform::icon kind,
                             platform::buttons set) override
    {
        visibleatmessage.push_back(watched->isVisible());
        return fakedialogs::message(text, kind, set);
    }
    QWidget *watched;
    std::vector<bool> visibleatmessage;
};

TEST_F(listtest, TheMessageComesBeforeTheWindowEvenForAnEmptyList)
{
    loadxml("<GRE></GRE>");
    probingdialogs probe(&window);
    platform::dialogs *previous = std::exchange(platform::services().dialogs, &probe);
    probe.expect(QStringLiteral("Word List Created"));
    window.showwordlist();
    platform::services().dialogs = previous;
    EXPECT_EQ(probe.visibleatmessage, std::vector<bool>{false});
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(shown(), "");
}

TEST_F(listtest, PrintsTheWindowOrSaysItCouldNot)
{
    loadwords(numbered(4));
    showlist();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    click(&window, QStringLiteral("Command2(0)"));
    window.mnuprint->trigger();
    ASSERT_EQ(fakes.printer.printed.size(), 2u);
    for (const QString &file : fakes.printer.printed)
        EXPECT_GT(QFileInfo(file).size(), 1000) << file.toStdString();
    EXPECT_EQ(window.mnufile->title(), "&File");
    EXPECT_EQ(window.mnuprint->text(), "&print");

    fakes.printer.works = false;
    fakes.dialogs.expect(QStringLiteral("Error in Printing"));
    click(&window, QStringLiteral("Command2(0)"));
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(shown(), "w1:  m1\nw2:  m2\nw3:  m3\n:  \n") << "the window stays as it was";
}

TEST_F(listtest, CancelDiscardsTheListAndTheNextOneIsBuiltAfresh)
{
    loadwords(numbered(3));
    showlist();
    click(&window, QStringLiteral("Command2(1)"));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(shown(), "");

    loadwords({{"x", "mx", ""}, {"y", "my", ""}});
    showlist();
    EXPECT_EQ(shown(), "y:  my\n:  \n");
    loadwords(numbered(2));
    showlist();
    EXPECT_EQ(shown(), "w1:  m1\n:  \n") << "listing again while open replaces the text";
}

TEST_F(listtest, TheLargestListIsBuiltQuickly)
{
    modglobal::xmlreader();
    const int n = 32767;
    for (int i = 0; i <= n; ++i) {
        modglobal::wordlist.append(i < n ? QStringLiteral("word%1").arg(i) : QString());
        modglobal::meaninglist.append(
            i < n ? QStringLiteral("(n.) a meaning of some length %1").arg(i) : QString());
    }
    modglobal::wordcount = n;
    QElapsedTimer clock;
    clock.start();
    const QString text = listtext(n);
    EXPECT_LT(clock.elapsed(), buildbudgetms);
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), n);
    EXPECT_TRUE(text.endsWith(QStringLiteral("word32766:  (n.) a meaning of some length "
                                             "32766\r\n:  \r\n")));
}

} // namespace
