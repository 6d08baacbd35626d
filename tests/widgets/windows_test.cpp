// SPDX-License-Identifier: GPL-3.0-or-later
// The windows show their models and pass the user's clicks and keys on to them: the main
// window's quiz, score, description and update, and the windows it opens.

#include "core/resultsrules.h"
#include "program.h"
#include "support/httpserver.h"
#include "widgets/help/formabout.h"

#include <QTextCursor>
#include <QToolBar>
#include <QVBoxLayout>

using namespace core;

using platform::Answer;

namespace {

const QString loadFailure = QStringLiteral(" There was an error in loading the XML dictionary");
const QString saveQuestion = QStringLiteral("Do you want to Save ? ");
const std::vector<entry> sample{{"w0", "m0", "u0"}, {"w1", "m1", "(b)u1(b)"}, {"w2", "m2", "u2"},
                                {"w3", "m3", "u3"}, {"w4", "m4", "u4"},       {"w5", "m5", "u5"}};

class windows : public ::testing::Test
{
protected:
    static float at(int p) { return FakeRandom::forPosition(p, int(sample.size())); }
    static QString text(const QObject &in, const QString &name)
    {
        return control<QObject>(&in, name)->property("text").toString();
    }

    windows() { fakes.write("XML/gre.xml", flatXml(sample)); }
    // Starts at a position, the other four choices drawn from positions 2 to 5.
    void start(int position = 1)
    {
        fakes.random.script({at(position), at(2), at(3), at(4), at(5)});
        window.start();
    }
    // Flash (0), Next (1) or Previous (2): Flash's own draw, four choices, then layout 10.
    void move(int index, std::initializer_list<float> first = {})
    {
        fakes.random.script(first);
        fakes.random.script({at(1), at(2), at(4), at(5), 0.095f});
        click(&window, QStringLiteral("Command2(%1)").arg(index));
    }
    QStringList captions(const QObject &in)
    {
        QStringList result;
        for (int i = 0; i < 5; ++i)
            result << text(in, QStringLiteral("Command1(%1)").arg(i));
        return result;
    }
    // Each answer button stands beside the number of the slot the quiz gives its choice.
    void expectLayoutShown()
    {
        for (int i = 0; i < 5; ++i) {
            const int slot = window.reviewSession().slotOf(i);
            EXPECT_EQ(control<QWidget>(&window, QStringLiteral("Command1(%1)").arg(i))->y(),
                      control<QWidget>(&window, QStringLiteral("Label1(%1)").arg(slot))->y());
        }
    }
    QTextEdit *description() { return control<QTextEdit>(&window, "descriptionBox"); }
    // Types a new description of the word on show, in a style of the toolbar, and saves it.
    void describe(const QString &text, const QString &style = {})
    {
        click(&window, "Command6");
        description()->selectAll();
        QTest::keyClicks(description(), text);
        description()->selectAll();
        if (!style.isEmpty())
            click(&window, "Toolbar1." + style);
        fakes.dialogs.expect(saveQuestion, Answer::yes);
        click(&window, "Command7");
    }

    FakeServices fakes;
    learning::ProgramModel model{fakes};
    FormMain window{model, fakes};
};

TEST_F(windows, TheCardShowsTheWordItsChoicesAndTheirSlotsAndMoves)
{
    start(1);
    EXPECT_EQ(text(window, "Text1"), "w1");
    EXPECT_EQ(captions(window), QStringList({"m1", "m2", "m3", "m4", "m5"}));
    expectLayoutShown();
    EXPECT_EQ(description()->toPlainText(), "(b)u1(b)") << "the first card shows what is stored";
    // Next, Previous, Previous (wrapping past position 1), Next (wrapping), Flash to 3.
    for (const auto &[index, position] :
         std::vector<std::pair<int, int>>{{1, 2}, {2, 1}, {2, 5}, {1, 1}, {0, 3}}) {
        move(index, index ? std::initializer_list<float>{} : std::initializer_list<float>{at(3)});
        ASSERT_EQ(window.reviewSession().currentPosition(), position) << index;
        EXPECT_EQ(text(window, "Text1"), sample[position].word);
        EXPECT_EQ(captions(window)[0], sample[position].meaning);
        expectLayoutShown();
        EXPECT_EQ(description()->font().bold(), position == 1);
    }
}

TEST_F(windows, KeysAnswerTheChoiceInTheirSlotAndDigitsTypeIntoTheWordBox)
{
    start(2);
    ASSERT_TRUE(activated(&window));
    for (int choice : {0, 1, 3}) {
        press(Qt::Key_1 + window.reviewSession().slotOf(choice));
        ASSERT_FALSE(window.answerLog().entries().isEmpty()) << "a digit was typed, not answered";
        EXPECT_EQ(window.answerLog().entries().back().chosenMeaning, captions(window)[choice]);
        EXPECT_EQ(window.answerLog().entries().back().right, choice == 0);
        if (choice == 0)
            move(1); // the choices now stand in other slots than their buttons' numbers
    }
    control<QLineEdit>(&window, "Text1")->setFocus();
    press(Qt::Key_3);
    EXPECT_EQ(text(window, "Text1"), "w33");
    EXPECT_EQ(window.answerLog().entries().size(), 3);
}

TEST_F(windows, AutoModeMovesOnByItselfUntilStoppedAndExitAsks)
{
    start(1);
    click(&window, "Command9");
    EXPECT_EQ(text(window, "Command9"), "Stop");
    fakes.random.script({at(1), at(2), at(3), at(4), 0.5f});
    EXPECT_TRUE(QTest::qWaitFor([&] { return text(window, "Text1") == "w2"; }));
    click(&window, "Command9");
    EXPECT_EQ(text(window, "Command9"), "Auto Mode");
    EXPECT_FALSE(control<QTimer>(&window, "Timer1")->isActive());

    for (Answer reply : {Answer::no, Answer::yes}) {
        fakes.dialogs.expect("Do you want to Exit ? ", reply);
        click(&window, "Command8");
        EXPECT_EQ(window.isVisible(), reply == Answer::no);
    }
    Program second(fakes, sample);
    click(&second.window, "mnuexit"); // without a question
    EXPECT_FALSE(second.window.isVisible());
}

TEST_F(windows, TheBuiltPicturesShowTheirOwnPixels)
{
    start();
    const auto pixels = [](const QIcon &icon, int side) {
        const QImage image =
            icon.pixmap(side).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return QByteArray(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    };
    const auto built = [](const QString &resource) {
        QFile file(resource);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QToolBar *toolbar = control<QToolBar>(&window, "Toolbar1");
    const QIcon bold = toolbar->actions().last()->icon();
    EXPECT_EQ(pixels(bold, 24), built(":/toolbar/format-text-bold.argb"));
    EXPECT_EQ(pixels(QApplication::windowIcon(), 32), built(":/icons/vocabrix-32.argb"));
}

TEST_F(windows, DescriptionEditSaveRefusalsFailedWritesAndShowHide)
{
    start(2);
    std::vector<entry> expected = sample;
    for (const QString style : {"Italic", "Bold"}) { // bold, once on, wins over italic
        describe(style, style);
        expected[2].usage = style == "Bold" ? "(b)Bold(b)" : "(I)Italic(I)";
        EXPECT_EQ(fakes.read("XML/gre.xml"), flatXml(expected));
    }
    fakes.files.fault.fails = true;
    fakes.dialogs.expect(saveQuestion, Answer::yes);
    fakes.dialogs.expectStart("The description could not be saved; the dictionary file is "
                              "unchanged. Cannot write ");
    click(&window, "Command7");
    EXPECT_EQ(fakes.read("XML/gre.xml"), flatXml(expected));
    click(&window, "Command5");
    EXPECT_FALSE(description()->isVisible());
    click(&window, "Command4");
    EXPECT_TRUE(description()->isVisible());

    Program single(fakes, {{"only", "m", "u"}});
    fakes.dialogs.expect("The word on show is not an entry of the dictionary, so its "
                         "description cannot be saved.");
    click(&single.window, "Command7");
    EXPECT_EQ(fakes.files.writes, 3);
}

TEST_F(windows, AMissingDictionaryOpensAnEmptyCardWithOneMessage)
{
    QFile::remove(fakes.path("XML/gre.xml"));
    fakes.dialogs.expect(loadFailure);
    window.start();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(text(window, "Text1") + captions(window).join(""), "");
    fakes.dialogs.expect("There is no dictionary loaded, so there is no description to save.");
    click(&window, "Command7");
    EXPECT_EQ(fakes.files.writes, 0);
}

TEST_F(windows, UpdateReplacesTheDefaultDictionaryOnlyWithAGoodList)
{
    start(1);
    HttpServer server;
    const QByteArray before = fakes.read("XML/gre.xml"), fresh = flatXml({{"new", "m", "u"}});
    server.respond("/good", HttpServer::reply(200, fresh));
    server.respond("/missing", HttpServer::reply(404, fresh));
    auto *bar = control<QProgressBar>(&window, "ProgressBar1");
    std::vector<int> seen; // the progress at each message, 0 when hidden
    fakes.dialogs.onShow = [&](auto &) { seen.push_back(bar->isVisible() * bar->value()); };
    for (const auto &[path, fails, replaced] : std::vector<std::tuple<const char *, bool, bool>>{
             {"/missing", false, false}, {"/good", true, false}, {"/good", false, true}}) {
        seen.clear();
        model.update.setAddress(server.url(path));
        fakes.files.fault.fails = fails;
        fakes.dialogs.expect(" Please Wait ... Updating..");
        fakes.dialogs.expect(replaced ? "Update Successful "
                                      : "Error during update , Please try later");
        click(&window, "mnuxml");
        EXPECT_EQ(seen, std::vector<int>({60, replaced ? 100 : 60})) << path;
        EXPECT_FALSE(bar->isVisible());
        EXPECT_EQ(fakes.read("XML/gre.xml"), replaced ? fresh + "\r\n" : before) << path;
    }
    // The loaded list is the fresh one, so that a description saved next cannot bring the old
    // list back.
    EXPECT_EQ(window.dictionary().word(0) + QString::number(window.dictionary().count()), "new1");
}

TEST_F(windows, ClicksCountAndLogTheAnswersWhichViewLogListsSavesPrintsAndClears)
{
    start(1);
    for (int i : {0, 0})
        click(&window, QStringLiteral("Command1(%1)").arg(i));
    QWidget *log =
        opened(&window, "Command3", "FormResults"); // it shows what came before and after
    for (int i : {4, 1, 0})
        click(&window, QStringLiteral("Command1(%1)").arg(i));
    EXPECT_EQ(text(window, "Label5") + '/' + text(window, "Label6") + '/' + text(window, "Label7"),
              QStringLiteral("3/2/60.00").replace('.', QLocale::system().decimalPoint()));
    EXPECT_EQ(window.reviewSession().currentPosition(), 1) << "answering never moves on";
    const QString listed =
        " CORRECT :m1:w1\n CORRECT :m1:w1\n INCORRECT :m5:w1\n INCORRECT :m2:w1\n"
        " CORRECT :m1:w1";
    EXPECT_EQ(control<QPlainTextEdit>(log, "Text1")->toPlainText(), listed);
    fakes.dialogs.expectSaveName(fakes.path("Logs/mine"));
    fakes.dialogs.expect("Log File Saved !");
    fakes.dialogs.expectColor(std::nullopt);
    click(log, "Command2(1)");
    EXPECT_EQ(fakes.dialogs.saveRequests.at(0).filename, "12-04-2026 04 41  PM");
    const QByteArray saved = (dateTimeLine(fakes.clock.time) + "\r\n" +
                              QString(listed).replace('\n', "\r\n") + "\r\n\r\n")
                                 .toUtf8();
    EXPECT_EQ(fakes.read("Logs/mine.txt"), saved);
    // A cancelled picker, a blank name and a failed write leave the file as it was.
    fakes.dialogs.expectSaveName(QString());
    fakes.dialogs.expectSaveName("   ");
    fakes.dialogs.expect("Please enter a valid filename");
    fakes.dialogs.expectSaveName(fakes.path("Logs/mine.txt"));
    fakes.dialogs.expectStart("The log could not be saved. Cannot write ");
    fakes.files.fault.fails = true;
    for (int i = 0; i < 3; ++i)
        click(log, "Command2(1)");
    EXPECT_EQ(fakes.read("Logs/mine.txt"), saved);
    EXPECT_EQ(fakes.files.writes, 2);

    click(log, "Command2(0)");
    EXPECT_EQ(fakes.printer.printed.size(), 1u);
    fakes.printer.works = false;
    fakes.dialogs.expect("Error in Printing");
    click(log, "Command2(0)");
    log->close(); // the close box clears the log; Cancel keeps it (the keys test's Esc)
    EXPECT_TRUE(window.answerLog().entries().isEmpty());
    EXPECT_EQ(control<QPlainTextEdit>(log, "Text1")->toPlainText(), "");
}

TEST_F(windows, OptionsPickersChangeTheSampleAndOnlyOkWritesTheSettings)
{
    // No value a default, so a line read or written in the wrong place shows.
    const QByteArray started = "255\r\nA\r\n30\r\n65280\r\nB\r\n15\r\n16711680\r\nC\r\n11\r\n"
                               "8421504\r\nD\r\n20";
    fakes.write("settings/settings.ini", started);
    start();
    QWidget *options = opened(&window, "mnuOptions", "FormOptions");
    const std::vector<std::pair<QString, QColor>> picks{
        {"E", {}}, {{}, QColor(1, 2, 3)}, {{}, Qt::black}, {"F", {}},
        {"G", {}}, {{}, Qt::white},       {"H", {}},       {{}, Qt::blue}};
    for (size_t i = 0; i < picks.size(); ++i) {
        if (picks[i].first.isEmpty())
            fakes.dialogs.expectColor(picks[i].second);
        else
            fakes.dialogs.expectFont(platform::FontChoice{picks[i].first, 10.0 + i});
        click(options, QStringLiteral("Command1(%1)").arg(i));
    }
    EXPECT_EQ(text(*options, "preview(1)"), "F, 13 pt");
    EXPECT_EQ(control<QLabel>(options, "preview(0)")->palette().color(QPalette::WindowText),
              QColor(1, 2, 3));

    const QString question = QStringLiteral("Update Color and Font Settings ?");
    fakes.dialogs.expect(question, Answer::cancel);
    fakes.dialogs.expect(question, Answer::ok);
    fakes.dialogs.expectStart("The settings could not be saved. Cannot write ");
    fakes.dialogs.expect(question, Answer::ok);
    fakes.dialogs.expectStart("Settings have been saved , They will be loaded");
    for (bool fails : {false, true, false}) {
        fakes.files.fault.fails = fails;
        click(options, "Command2(1)");
        EXPECT_EQ(fakes.read("settings/settings.ini") != started, fakes.files.writes == 2);
    }
    click(options, "Command2(1)"); // all saved: nothing to ask
    EXPECT_EQ(fakes.files.writes, 2);
    EXPECT_EQ(fakes.read("settings/settings.ini"),
              "197121\r\nE\r\n10\r\n0\r\nF\r\n13\r\n16777215\r\nG\r\n14\r\n16711680\r\nH\r\n16");
    EXPECT_EQ(model.display.style(DisplayStyles::MemoryCards).fontName, "F");

    fakes.dialogs.expectFont(platform::FontChoice{"G", 9});
    click(options, "Command1(3)");
    click(options, "Command2(0)");
    EXPECT_FALSE(options->isVisible());
    EXPECT_EQ(text(*opened(&window, "mnuOptions", "FormOptions"), "preview(1)"), "F, 13 pt");
}

TEST_F(windows, ChooserLoadsANameFromTheXmlFolderAndClosingChangesNothing)
{
    fakes.write("XML/mine.xml", flatXml({{"a", "ma", "ua"}, {"b", "mb", "ub"}}));
    fakes.write("XML/empty.xml", "<GRE></GRE>");
    QDir(fakes.path("")).mkpath("elsewhere");
    fakes.write("elsewhere/mine.xml", flatXml({{"x", "m", "u"}, {"y", "m", "u"}}));
    start();
    ASSERT_TRUE(activated(&window));
    QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    QWidget *select = topWindow("FormSelect");
    auto *folders = control<QListWidget>(select, "Dir1");
    auto *files = control<QListWidget>(select, "File1");
    ASSERT_EQ(files->count(), 1);
    EXPECT_TRUE(files->item(0)->text().contains(QDir::toNativeSeparators(fakes.path("XML"))));
    // Enters a folder below the program folder with Enter and selects a file of it.
    auto take = [&](const QString &folder, const QString &name) {
        for (const QString &each : {QStringLiteral("program"), folder}) {
            folders->setCurrentItem(folders->findItems(each, Qt::MatchEndsWith).value(0));
            QTest::keyClick(folders, Qt::Key_Return);
        }
        files->setCurrentItem(files->findItems(name, Qt::MatchExactly).value(0));
    };
    take("XML", "empty.xml");
    fakes.dialogs.expect(loadFailure);
    click(select, "Command1");
    EXPECT_TRUE(select->isVisible());
    EXPECT_EQ(files->count(), 3);
    take("elsewhere", "mine.xml");
    click(select, "Command1");
    EXPECT_FALSE(select->isVisible());
    EXPECT_EQ(window.dictionary().path(), "/XML/mine.xml") << "the name counts, not the folder";
    EXPECT_EQ(text(window, "Text1"), "b");
    click(&window, "mnuOpen");
    EXPECT_EQ(files->count(), 1) << "a new opening starts in the program folder";
    take("XML", "gre.xml");
    select->close();
    EXPECT_EQ(window.dictionary().path(), "/XML/mine.xml");
    fakes.dialogs.expectStart("WARNING: Be careful not to CORRUPT the XML file");
    auto *xml = control<QPlainTextEdit>(opened(&window, "mnueditxml", "FormEdit"), "Text1");
    EXPECT_EQ(xml->toPlainText().toUtf8(), fakes.read("XML/mine.xml").replace("\r\n", "\n"));
    // Another list loaded while the editor is open is what it shows, so that its save cannot
    // write one list over the other's file.
    click(&window, "mnuOpen");
    take("XML", "gre.xml");
    click(select, "Command1");
    EXPECT_EQ(xml->toPlainText().toUtf8(), fakes.read("XML/gre.xml").replace("\r\n", "\n"));
}

TEST_F(windows, EditorSavesOnlyATextThatReadsBack)
{
    start();
    fakes.dialogs.expectStart("WARNING: Be careful not to CORRUPT the XML file");
    QWidget *editor = opened(&window, "mnueditxml", "FormEdit");
    auto *text = control<QPlainTextEdit>(editor, "Text1");
    const QByteArray before = fakes.read("XML/gre.xml");
    const QString good = "<list><entry><usage>u</usage><word>x &amp; y</word><meaning>m</meaning>"
                         "</entry></list>";
    const std::vector<std::tuple<QString, Answer, QString>> table{
        {"<GRE><word>a</word><meaning>m</GRE>", Answer::ok,
         "The text is not well-formed XML: Start-end tags mismatch (line 1)."},
        {good, Answer::cancel, ""},
        {good, Answer::ok, ""}};
    for (const auto &[typed, reply, problem] : table) {
        text->setPlainText(typed);
        fakes.dialogs.expect("Update XML File ?", reply);
        if (reply == Answer::ok)
            fakes.dialogs.expect(problem.isEmpty() ? "File Saved "
                                                   : problem + " The file was not changed.");
        click(editor, "Command2");
        EXPECT_EQ(text->toPlainText(), typed);
        EXPECT_EQ(fakes.read("XML/gre.xml") == before, reply != Answer::ok || !problem.isEmpty());
    }
    EXPECT_EQ(fakes.read("XML/gre.xml"), flatXml({{"x &amp; y", "m", "u"}}).chopped(2));
}

// An edit saved in the editor is what the quiz shows and a description is saved into; a
// description saved while the editor is open is not lost to the editor's older text: an untouched
// text shows it, and a changed one asks before it is written over it.
TEST_F(windows, EditorAndDescriptionSavesKeepEachOthersChanges)
{
    start(3);
    fakes.dialogs.expectStart("WARNING: Be careful not to CORRUPT the XML file");
    QWidget *editor = opened(&window, "mnueditxml", "FormEdit");
    auto *xml = control<QPlainTextEdit>(editor, "Text1");
    // A new word before the one on show, whose meaning is corrected.
    const QString fresh = "<word>new</word><meaning>fresh</meaning><usage>n</usage><word>w2</word>";
    xml->setPlainText(xml->toPlainText()
                          .replace("<word>w2</word>", fresh)
                          .replace("<meaning>m3</meaning>", "<meaning>m3, corrected</meaning>"));
    const QByteArray before = fakes.read("XML/gre.xml");
    for (const bool fails : {true, false}) {
        fakes.files.fault.fails = fails;
        fakes.dialogs.expect("Update XML File ?", Answer::ok);
        if (fails)
            fakes.dialogs.expectStart("The dictionary could not be saved; the file is unchanged.");
        else
            fakes.dialogs.expect("File Saved ");
        click(editor, "Command2");
        EXPECT_EQ(window.dictionary().count(), fails ? 6 : 7);
    }
    EXPECT_NE(fakes.read("XML/gre.xml"), before);
    EXPECT_EQ(window.reviewSession().currentPosition(), 4);
    EXPECT_EQ(text(window, "Text1"), "w3");
    EXPECT_EQ(captions(window)[0], "m3, corrected");

    describe("Described");
    std::vector<entry> expected = sample;
    expected[3] = {"w3", "m3, corrected", "Described"};
    expected.insert(expected.begin() + 2, {"new", "fresh", "n"});
    EXPECT_EQ(fakes.read("XML/gre.xml"), flatXml(expected));

    describe("Untouched");
    EXPECT_TRUE(xml->toPlainText().contains("Untouched"));
    fakes.dialogs.expect("Update XML File ?", Answer::ok);
    fakes.dialogs.expect("File Saved ");
    click(editor, "Command2");
    EXPECT_TRUE(fakes.read("XML/gre.xml").contains("Untouched"));

    // The learner pastes a changed text over the editor's.
    QTextCursor cursor(xml->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(
        xml->toPlainText().replace("<meaning>m4</meaning>", "<meaning>m4b</meaning>"));
    describe("Changed");
    EXPECT_FALSE(xml->toPlainText().contains("Changed")) << "the learner's edit stays";
    for (const Answer reply : {Answer::cancel, Answer::ok}) {
        fakes.dialogs.expect("Update XML File ?", Answer::ok);
        fakes.dialogs.expectStart("A description was saved into the dictionary file after the "
                                  "editor showed it.",
                                  reply);
        if (reply == Answer::ok)
            fakes.dialogs.expect("File Saved ");
        click(editor, "Command2");
        EXPECT_EQ(fakes.read("XML/gre.xml").contains("Changed"), reply == Answer::cancel);
    }
}

TEST_F(windows, HelpFollowsItsLinksAndAboutTellsTheVersion)
{
    start();
    fakes.dialogs.expectStart("The help cannot be shown: the file ");
    click(&window, "mnucontents");
    QDir(fakes.path("")).mkpath("help");
    fakes.write("help/index.html", "<ul class=\"contents\"><a href=\"start.html\">Start</a></ul>");
    fakes.write("help/start.html",
                "<a href=\"https://example.org/\">a</a><a href=\"keys.html\">b</a>");
    fakes.write("help/keys.html", "Keys");
    QWidget *help = opened(&window, "mnucontents", "FormHelp");
    auto *browser = control<QTextBrowser>(help, "browser");
    auto *topics = control<QListWidget>(help, "contents");
    auto page = [&] { return browser->source().fileName(); };
    EXPECT_EQ(page(), "index.html");
    QTest::mouseClick(topics->viewport(), Qt::LeftButton, {},
                      topics->visualItemRect(topics->item(1)).center());
    EXPECT_EQ(page(), "start.html");
    browser->setFocus(); // then the web link and the page's link, from the keyboard
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return})
        QTest::keyClick(browser, key);
    EXPECT_EQ(fakes.launcher.opened, std::vector<QUrl>{QUrl("https://example.org/")});
    EXPECT_EQ(page(), "keys.html");
    click(help, "back");
    EXPECT_EQ(page(), "start.html");

    fakes.appInfo.current = {2, 3, 10};
    QWidget *about = opened(&window, "mnuabout", "FormAbout");
    EXPECT_EQ(text(*about, "lblVersion"), "Version 2.3.10");
    EXPECT_TRUE(text(*about, "lblNotices").contains("GNU General Public"));
}

TEST_F(windows, ControlsMadeBeforeTheirWindowReadAsWhatTheyAre)
{
    // A control made on its own is a window until it is placed; a screen reader that asks for it
    // then (as the accessibility bus does when its text or tooltip is set) finds it again later.
    auto *button = new QPushButton(QStringLiteral("&View Log"));
    auto *label = new QLabel(QStringLiteral("Log:"));
    auto *box = new QLineEdit(QStringLiteral("w1"));
    auto *about = new FormAbout(fakes);
    auto *line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    auto *panel = new QFrame;
    panel->setFrameShape(QFrame::StyledPanel);
    const std::initializer_list<QWidget *> made{button, label, box, about, line, panel};
    for (QWidget *each : made)
        ASSERT_TRUE(QAccessible::queryAccessibleInterface(each)) << each->metaObject()->className();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(about)->role(), QAccessible::Window);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    for (QWidget *each : made)
        layout->addWidget(each);
    const auto read = [](QWidget *each) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(each);
        return std::make_pair(face->role(), face->text(QAccessible::Name));
    };
    EXPECT_EQ(read(button), std::make_pair(QAccessible::Button, QStringLiteral("View Log")));
    EXPECT_EQ(read(label), std::make_pair(QAccessible::StaticText, QStringLiteral("Log:")));
    EXPECT_EQ(read(box).first, QAccessible::EditableText);
    EXPECT_EQ(read(about).first, QAccessible::Client) << "a window placed in another is not one";
    // Not a border, which AT-SPI calls a frame as it calls a window.
    EXPECT_EQ(read(line).first, QAccessible::Separator);
    EXPECT_EQ(read(panel).first, QAccessible::Client);
}

} // namespace
