// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/formmain.h"
#include "help/formhelp.h"
#include "help/helpfile.h"
#include "support/fakes.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QListWidget>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

TEST(helpviewer, CommandLineKeepsThePathUnquoted)
{
    const std::vector<std::pair<QString, QString>> table{
        {"C:\\Program Files\\Vocabrix", "hh.exe C:\\Program Files\\Vocabrix\\Vocabrix.chm"},
        {"C:/Program Files/Vocabrix/", "hh.exe C:\\Program Files\\Vocabrix\\Vocabrix.chm"},
        {"D:\\", "hh.exe D:\\Vocabrix.chm"},
        {"\\\\server\\share\\my words", "hh.exe \\\\server\\share\\my words\\Vocabrix.chm"}};
    for (const auto &[folder, line] : table) {
        const help::command command = help::viewercommand(folder);
        EXPECT_EQ(command.commandline(), line) << folder.toStdString();
        EXPECT_EQ(command.arguments.size(), 1) << "the path is one argument, blanks and all";
    }
}

class helptest : public ::testing::Test
{
protected:
    void pages()
    {
        QDir(fakes.path("")).mkpath("help");
        // Links outside the contents list, and a second link to a listed page, are no topics.
        fakes.write("help/index.html", "<html><body><p><a href=\"keys.html\">see the keys</a></p>"
                                       "<h1>Contents</h1><ul class=\"contents\">"
                                       "<li><a href=\"start.html\">Getting started</a></li>"
                                       "<li><a href=\"keys.html\">The keys</a></li>"
                                       "<li><a href=\"start.html\">Starting again</a></li></ul>"
                                       "<a href=\"https://example.org/\">web</a></body></html>");
        fakes.write("help/start.html", "<html><body><h1>Start</h1>"
                                       "<a href=\"keys.html#ctrl\">keys</a></body></html>");
        fakes.write("help/keys.html", "<html><body><h1 id=\"ctrl\">Keys</h1></body></html>");
    }

    QUrl page(const char *name) const
    {
        return QUrl::fromLocalFile(fakes.path(QStringLiteral("help/") + QLatin1String(name)));
    }

    FormHelp &window() { return forms::help(); }

    testsupport::fakeservices fakes;
};

TEST_F(helptest, WindowsWithItsViewerOpensTheCompiledHelp)
{
    fakes.write("Vocabrix.chm", "ITSF");
    help::showcontents({true, true});
    ASSERT_EQ(fakes.launcher.started.size(), 1u);
    EXPECT_EQ(fakes.launcher.started[0].program, "hh.exe");
    EXPECT_EQ(fakes.launcher.started[0].arguments,
              help::viewercommand(fakes.appinfo.folder).arguments);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(helptest, OtherwiseTheOwnWindowOpensOnTheContents)
{
    pages();
    fakes.write("Vocabrix.chm", "ITSF");
    struct route
    {
        const char *name;
        help::host system;
        bool starts;
    };
    const std::vector<route> table{{"elsewhere", {false, false}, true},
                                   {"Windows without hh.exe", {true, false}, true},
                                   {"hh.exe fails to start", {true, true}, false}};
    for (const route &each : table) {
        window().close();
        fakes.launcher.starts = each.starts;
        help::showcontents(each.system);
        EXPECT_TRUE(window().isVisible()) << each.name;
        EXPECT_EQ(window().browser->source(), page("index.html")) << each.name;
    }
    QStringList topics;
    for (int i = 0; i < window().contents->count(); ++i)
        topics << window().contents->item(i)->text();
    EXPECT_EQ(topics, QStringList({"Contents", "Getting started", "The keys"}));
}

TEST_F(helptest, BackForwardAndTopicsMoveThroughThePages)
{
    pages();
    help::showcontents({false, false});
    EXPECT_FALSE(window().back->isEnabled());
    EXPECT_FALSE(window().forward->isEnabled());

    QListWidget *list = window().contents;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(window().browser->source(), page("start.html"));
    emit window().browser->anchorClicked(QUrl("keys.html#ctrl"));
    EXPECT_EQ(window().browser->source().adjusted(QUrl::RemoveFragment), page("keys.html"));
    EXPECT_EQ(list->currentRow(), 2) << "the topic list follows the page";

    QTest::mouseClick(window().back, Qt::LeftButton);
    EXPECT_EQ(window().browser->source(), page("start.html"));
    ASSERT_TRUE(window().forward->isEnabled());
    QTest::mouseClick(window().forward, Qt::LeftButton);
    EXPECT_EQ(window().browser->source().adjusted(QUrl::RemoveFragment), page("keys.html"));
    QTest::mouseClick(window().home, Qt::LeftButton);
    EXPECT_EQ(window().browser->source(), page("index.html"));

    emit window().browser->anchorClicked(QUrl("https://example.org/"));
    EXPECT_EQ(fakes.launcher.opened, std::vector<QUrl>{QUrl("https://example.org/")})
        << "web links go to the browser";
    EXPECT_EQ(window().browser->source(), page("index.html"));

    // Opening again starts over at the contents with no history.
    help::showcontents({false, false});
    EXPECT_FALSE(window().back->isEnabled());
}

TEST_F(helptest, MissingHelpIsReported)
{
    fakes.dialogs.expect(QStringLiteral("The help cannot be shown: the file %1 is missing. Copy "
                                        "the help folder back into the program folder or install "
                                        "Vocabrix again.")
                             .arg(QDir::toNativeSeparators(fakes.path("help/index.html"))));
    FormMain main;
    main.mnucontents->trigger();
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
    EXPECT_TRUE(fakes.launcher.started.empty());
}

// The shipped pages: every link between them leads somewhere, every page is in the contents,
// and the contents names every window.
TEST(helppages, LinksResolveAndEveryPageIsListed)
{
    const QDir folder(QStringLiteral(VOCABRIX_SOURCE_DATA "/help"));
    ASSERT_TRUE(folder.exists("index.html"));
    static const QRegularExpression link(QStringLiteral(R"(href="([^"]+)\")"));
    static const QRegularExpression anchor(QStringLiteral(R"(id="([^"]+)\")"));
    QMap<QString, QString> texts;
    for (const QString &name : folder.entryList({"*.html"})) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        texts[name] = QString::fromUtf8(file.readAll());
    }
    for (const auto &[name, text] : texts.asKeyValueRange()) {
        for (const auto &match : link.globalMatch(text)) {
            const QString target = match.captured(1);
            if (target.startsWith("http") || target.endsWith(".css"))
                continue;
            const QString file =
                target.section('#', 0, 0).isEmpty() ? name : target.section('#', 0, 0);
            ASSERT_TRUE(texts.contains(file))
                << name.toStdString() << " -> " << target.toStdString();
            const QString fragment = target.section('#', 1);
            EXPECT_TRUE(fragment.isEmpty() || texts[file].contains("id=\"" + fragment + "\""))
                << name.toStdString() << " -> " << target.toStdString();
        }
        EXPECT_TRUE(name == "index.html" || texts["index.html"].contains("href=\"" + name + "\""))
            << name.toStdString() << " is missing from the contents";
    }
    QString all;
    for (const QString &text : texts)
        all += text;
    for (const char *caption :
         {"Auto Mode", "View Log", "Image Search", "Net Search", "Select Font", "Select Color",
          "New Game", "Solve", "List Mode", "Print", "Update XML wordlist", "Ctrl+O",
          "settings.ini", "Logs", "Edit XML Dictionary", "Open Custom XML Dictionary"})
        EXPECT_TRUE(all.contains(QLatin1String(caption))) << caption;
}

} // namespace
