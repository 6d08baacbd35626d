// SPDX-License-Identifier: GPL-3.0-or-later
// The windows the main window opens: the log, the options, the dictionary chooser and editor,
// the help and About.

#include "core/displaysettings.h"
#include "core/resultsrules.h"
#include "mainwindowtest.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBrowser>

using namespace testsupport;
using platform::answer;

namespace {

QStringList names(const QListWidget *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text().trimmed();
    return result;
}

// Selects the entry of a list with that text and presses Enter on it.
void enter(QWidget *window, const char *list, const QString &name)
{
    auto *items = control<QListWidget>(window, QLatin1String(list));
    items->setCurrentRow(int(names(items).indexOf(name)));
    ASSERT_GE(items->currentRow(), 0) << name.toStdString();
    QTest::keyClick(items, Qt::Key_Return);
}

class windows : public mainwindow
{
protected:
    // Two answers logged and the log window shown.
    QWidget *results()
    {
        start();
        click(&window, "Command1(0)");
        click(&window, "Command1(1)");
        click(&window, "Command3");
        return topwindow("FormResults");
    }
    QWidget *opened(const char *entry, const char *name)
    {
        choose(&window, entry);
        QWidget *shown = topwindow(name);
        EXPECT_TRUE(shown && shown->isVisible()) << name;
        return shown;
    }
};

TEST_F(windows, ResultsSaveWritesTheStampedLogUnderTheChosenName)
{
    QWidget *log = results();
    fakes.dialogs.expectsavename(fakes.path("Logs/mine"));
    fakes.dialogs.expect("Log File Saved !");
    fakes.dialogs.expectcolor(std::nullopt);
    click(log, "Command2(1)");
    EXPECT_EQ(fakes.dialogs.saverequests.at(0).filename, "12-04-2026 04 41  PM");
    EXPECT_EQ(QDir(fakes.dialogs.saverequests[0].folder), QDir(fakes.path("Logs")));
    const QByteArray saved = (datetimeline(fakes.clock.time) +
                              "\r\n CORRECT :(v.) to contradict:belie\r\n INCORRECT :(adj.) "
                              "convincing:belie\r\n\r\n")
                                 .toUtf8();
    EXPECT_EQ(fakes.read("Logs/mine.txt"), saved);

    // A cancelled picker, a blank name and a failed write leave the file as it was.
    fakes.dialogs.expectsavename(QString());
    fakes.dialogs.expectsavename("   ");
    fakes.dialogs.expect("Please enter a valid filename");
    fakes.dialogs.expectsavename(fakes.path("Logs/mine.txt"));
    fakes.dialogs.expectstart("The log could not be saved. Cannot write ");
    click(&window, "Command1(0)");
    fakes.files.fault.fails = true;
    for (int i = 0; i < 3; ++i)
        click(log, "Command2(1)");
    EXPECT_EQ(fakes.read("Logs/mine.txt"), saved);
    EXPECT_EQ(fakes.files.writes, 2);
    EXPECT_EQ(QDir(fakes.path("Logs")).entryList(QDir::Files), QStringList({"mine.txt"}));
}

TEST_F(windows, ResultsPrintAndCancelKeepTheLogTheCloseBoxDiscardsIt)
{
    QWidget *log = results();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(log));
    click(log, "Command2(0)");
    ASSERT_EQ(fakes.printer.printed.size(), 1u);
    EXPECT_GT(QFileInfo(fakes.printer.printed[0]).size(), 1000);
    fakes.printer.works = false;
    fakes.dialogs.expect("Error in Printing");
    click(log, "Command2(0)");
    click(log, "Command1");
    EXPECT_FALSE(log->isVisible());
    EXPECT_EQ(window.answerLog().entries().size(), 2);
    click(&window, "Command3");
    log->close();
    EXPECT_TRUE(window.answerLog().entries().isEmpty());
    EXPECT_EQ(control<QPlainTextEdit>(log, "Text1")->toPlainText(), "");
}

// The settings file the program starts with: no value a default, so a line read or written in
// the wrong place shows.
const QByteArray started = "255\r\nDejaVu Serif\r\n30\r\n65280\r\nDejaVu Sans\r\n15\r\n16711680\r\n"
                           "Liberation Serif\r\n11\r\n8421504\r\nLiberation Sans\r\n20";
const QString settingsquestion = QStringLiteral("Update Color and Font Settings ?");

TEST_F(windows, OptionsPickersChangeTheSampleAndOkWritesTheSettings)
{
    fakes.write("settings/settings.ini", started);
    start();
    QWidget *options = opened("mnuOptions", "FormOptions");
    const std::vector<std::pair<QString, QColor>> picks{
        {"Nimbus Roman", {}}, {{}, QColor(1, 2, 3)},   {{}, Qt::black},    {"P052", {}},
        {"Comic Neue", {}},   {{}, QColor(Qt::white)}, {"URW Gothic", {}}, {{}, Qt::blue}};
    for (size_t i = 0; i < picks.size(); ++i) {
        if (picks[i].first.isEmpty())
            fakes.dialogs.expectcolor(picks[i].second);
        else
            fakes.dialogs.expectfont(platform::fontchoice{picks[i].first, 10.0 + i});
        click(options, QStringLiteral("Command1(%1)").arg(i));
    }
    auto *sample = control<QLabel>(options, "preview(0)");
    EXPECT_EQ(sample->text(), "Nimbus Roman, 10 pt");
    EXPECT_EQ(sample->palette().color(QPalette::WindowText), QColor(1, 2, 3));
    EXPECT_EQ(fakes.dialogs.fontstarts.at(1).name, "DejaVu Sans") << "each opens on its own";
    EXPECT_EQ(fakes.dialogs.colorstarts.at(3), QColor(128, 128, 128));

    fakes.dialogs.expect(settingsquestion, answer::ok);
    fakes.dialogs.expectstart("Settings have been saved , They will be loaded");
    click(options, "Command2(1)");
    EXPECT_EQ(fakes.read("settings/settings.ini"),
              "197121\r\nNimbus Roman\r\n10\r\n0\r\nP052\r\n13\r\n16777215\r\nComic Neue\r\n14\r\n"
              "16711680\r\nURW Gothic\r\n16");
    EXPECT_EQ(window.displaySettings().style(DisplaySettings::FlashCards).fontName, "URW Gothic");
}

TEST_F(windows, OptionsCancelAndFailedWritesWriteNothing)
{
    fakes.write("settings/settings.ini", started);
    start();
    QWidget *options = opened("mnuOptions", "FormOptions");
    fakes.dialogs.expectfont(platform::fontchoice{"P052", 22});
    click(options, "Command1(3)");
    fakes.dialogs.expect(settingsquestion, answer::cancel);
    fakes.dialogs.expect(settingsquestion, answer::ok);
    fakes.dialogs.expectstart("The settings could not be saved. Cannot write ");
    click(options, "Command2(1)");
    fakes.files.fault.fails = true;
    click(options, "Command2(1)");
    EXPECT_EQ(fakes.read("settings/settings.ini"), started);
    EXPECT_EQ(window.displaySettings().style(DisplaySettings::MemoryCards).fontName, "P052")
        << "what Ok took is used from now on, saved or not";

    fakes.dialogs.expectfont(platform::fontchoice{"Comic Neue", 9});
    click(options, "Command1(3)");
    click(options, "Command2(0)");
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(window.displaySettings().style(DisplaySettings::MemoryCards).fontName, "P052");
    opened("mnuOptions", "FormOptions");
    EXPECT_EQ(control<QLabel>(options, "preview(1)")->text(), "P052, 22 pt");
}

class chooser : public windows
{
protected:
    chooser()
    {
        fakes.write("XML/mine.xml", flatxml({{"a", "ma", "ua"}, {"b", "mb", "ub"}}));
        fakes.write("XML/empty.xml", "<GRE></GRE>");
        QDir(fakes.path("")).mkpath("elsewhere");
        fakes.write("elsewhere/lonely.xml", flatxml({{"x", "m", "u"}, {"y", "m", "u"}}));
        fakes.write("elsewhere/mine.xml", flatxml({{"x", "m", "u"}, {"y", "m", "u"}}));
        start();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        select = topwindow("FormSelect");
        files = control<QListWidget>(select, "File1");
    }
    // Chooses a file of a folder below the program folder and takes it with Ok.
    void load(const char *folder, const QString &name, bool fails)
    {
        enter(select, "Dir1", "program");
        enter(select, "Dir1", QLatin1String(folder));
        if (fails)
            fakes.dialogs.expect(loadfailure);
        files->setCurrentRow(int(names(files).indexOf(name)));
        click(select, "Command1");
        EXPECT_EQ(select->isVisible(), fails) << name.toStdString();
    }
    QWidget *select;
    QListWidget *files;
};

TEST_F(chooser, OpensInTheProgramFolderPointingToTheDictionaries)
{
    ASSERT_TRUE(select->isVisible());
    ASSERT_EQ(files->count(), 1);
    EXPECT_TRUE(files->item(0)->text().contains(QDir::toNativeSeparators(fakes.path("XML"))));
    files->setCurrentRow(0);
    fakes.dialogs.expect(loadfailure);
    click(select, "Command1");
    EXPECT_EQ(window.dictionary().path(), "/XML/") << "the hint is no file name";
    enter(select, "Dir1", "XML");
    EXPECT_EQ(names(files), QStringList({"empty.xml", "gre.xml", "mine.xml"}));
    load("XML", "empty.xml", true);
    load("elsewhere", "lonely.xml", true);
}

TEST_F(chooser, OkLoadsTheChosenNameFromTheXmlFolderAndTheEditorOpensIt)
{
    load("elsewhere", "mine.xml", false);
    EXPECT_EQ(window.dictionary().path(), "/XML/mine.xml");
    EXPECT_EQ(text(window, "Text1"), "b");
    fakes.dialogs.expectstart("WARNING: Be careful not to CORRUPT the XML file");
    QWidget *editor = opened("mnueditxml", "FormEdit");
    EXPECT_EQ(control<QPlainTextEdit>(editor, "Text1")->toPlainText().toUtf8(),
              fakes.read("XML/mine.xml").replace("\r\n", "\n"));

    choose(&window, "mnuOpen");
    EXPECT_EQ(files->count(), 1) << "a new opening starts in the program folder";
    enter(select, "Dir1", "XML");
    files->setCurrentRow(int(names(files).indexOf("gre.xml")));
    select->close();
    EXPECT_EQ(window.dictionary().path(), "/XML/mine.xml") << "closing changes nothing";
}

TEST_F(windows, EditorSavesOnlyATextThatReadsBackAndCancelClears)
{
    start();
    fakes.dialogs.expectstart("WARNING: Be careful not to CORRUPT the XML file");
    QWidget *editor = opened("mnueditxml", "FormEdit");
    auto *text = control<QPlainTextEdit>(editor, "Text1");
    EXPECT_EQ(text->toPlainText(), QString::fromUtf8(flatxml(sample)).replace("\r\n", "\n"));
    const QByteArray before = fakes.read("XML/gre.xml");
    const QString good = "<list><entry><usage>u</usage><word>x &amp; y</word><meaning>m</meaning>"
                         "</entry></list>";
    const std::vector<std::tuple<QString, answer, QString>> table{
        {"<GRE></GRE>", answer::ok, "The text holds no word element."},
        {"<GRE><word>a</word><meaning>m</GRE>", answer::ok,
         "The text is not well-formed XML: Start-end tags mismatch (line 1)."},
        {good, answer::cancel, ""},
        {good, answer::ok, ""}};
    for (const auto &[typed, reply, problem] : table) {
        text->setPlainText(typed);
        fakes.dialogs.expect("Update XML File ?", reply);
        if (reply == answer::ok)
            fakes.dialogs.expect(problem.isEmpty() ? "File Saved "
                                                   : problem + " The file was not changed.");
        click(editor, "Command2");
        EXPECT_EQ(text->toPlainText(), typed);
        EXPECT_EQ(fakes.read("XML/gre.xml") == before, reply != answer::ok || !problem.isEmpty());
    }
    EXPECT_EQ(fakes.read("XML/gre.xml"), flatxml({{"x &amp; y", "m", "u"}}).chopped(2));
    click(editor, "Command1");
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(text->toPlainText(), "");
}

TEST_F(windows, HelpOpensOnTheContentsAndFollowsLinks)
{
    fakes.dialogs.expectstart("The help cannot be shown: the file ");
    choose(&window, "mnucontents");
    QDir(fakes.path("")).mkpath("help");
    fakes.write("help/index.html", "<h1>Contents</h1><ul class=\"contents\"><li><a "
                                   "href=\"start.html\">Start</a></li><li><a "
                                   "href=\"keys.html\">Keys</a></li></ul>");
    fakes.write("help/start.html", "<a href=\"https://example.org/\">web</a> <a "
                                   "href=\"keys.html#ctrl\">keys</a>");
    fakes.write("help/keys.html", "<h1 id=\"ctrl\">Keys</h1>");
    QWidget *help = opened("mnucontents", "FormHelp");
    auto *browser = control<QTextBrowser>(help, "browser");
    auto *topics = control<QListWidget>(help, "contents");
    auto page = [&] { return browser->source().fileName(); };
    EXPECT_EQ(page(), "index.html");
    EXPECT_EQ(names(topics), QStringList({"Contents", "Start", "Keys"}));
    QTest::mouseClick(topics->viewport(), Qt::LeftButton, {},
                      topics->visualItemRect(topics->item(1)).center());
    EXPECT_EQ(page(), "start.html");
    // The web link, then the page's link, chosen from the keyboard.
    browser->setFocus();
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return})
        QTest::keyClick(browser, key);
    EXPECT_EQ(fakes.launcher.opened, std::vector<QUrl>{QUrl("https://example.org/")});
    EXPECT_EQ(page(), "keys.html");
    EXPECT_EQ(topics->currentRow(), 2);
    click(help, "back");
    EXPECT_EQ(page(), "start.html");
    click(help, "forward");
    EXPECT_EQ(page(), "keys.html");
    click(help, "home");
    EXPECT_EQ(page(), "index.html");
}

TEST_F(windows, AboutShowsTheVersionAndTheNotices)
{
    fakes.appinfo.current = {2, 3, 10};
    QWidget *about = opened("mnuabout", "FormAbout");
    EXPECT_EQ(control<QLabel>(about, "lblVersion")->text(), "Version 2.3.10");
    EXPECT_TRUE(control<QLabel>(about, "lblNotices")->text().contains("GNU General Public"));
    click(about, "Command1");
    EXPECT_FALSE(about->isVisible());
}

// A screen reader announces a window only when it has the role of one, and reads its title.
TEST_F(windows, EveryWindowIsAnnouncedAsAWindowByItsTitle)
{
    QDir(fakes.path("")).mkpath("help");
    fakes.write("help/index.html", "<h1>Contents</h1>");
    start();
    fakes.dialogs.expect("Word List Created");
    fakes.dialogs.expectstart("WARNING: Be careful");
    for (const char *entry : {"mnuOptions", "mnuList", "mnuFlash", "mnumemory", "mnucontents",
                              "mnuabout", "mnuOpen", "mnueditxml"})
        choose(&window, entry);
    click(&window, "Command3");
    QStringList titles;
    for (QWidget *each : QApplication::topLevelWidgets()) {
        if (!each->isVisible() || each->windowType() != Qt::Window)
            continue;
        QAccessibleInterface *exposed = QAccessible::queryAccessibleInterface(each);
        ASSERT_TRUE(exposed);
        EXPECT_TRUE(exposed->role() == QAccessible::Window ||
                    exposed->role() == QAccessible::Dialog)
            << each->objectName().toStdString();
        EXPECT_EQ(exposed->text(QAccessible::Name), each->windowTitle());
        titles << each->windowTitle();
    }
    EXPECT_EQ(titles.size(), 10) << titles.join(", ").toStdString();
}

} // namespace
