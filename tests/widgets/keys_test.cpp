// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in every window: no two access keys of a window share a letter, so each presses
// what its caption says; Esc leaves each secondary window as its Cancel does; F1 opens the help
// at the page about the window in front; Tab leaves a table. And every text the windows look
// up is in translations/vocabrix.ts under the context it is looked up in.

#include "support/fakes.h"
#include "support/windowdriver.h"
#include "widgets/main/formmain.h"

#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMutex>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTableWidget>
#include <QTextBrowser>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

using namespace widgets;

using namespace testsupport;

namespace {

// The access keys of a window as Qt registers them, for the controls it shows: each button's
// shortcut, the mnemonic of each label with a buddy, of each checkable group box, of each tab and
// of each title of the menu bar.
QMultiMap<QKeySequence, QString> accessKeys(QWidget *window)
{
    QMultiMap<QKeySequence, QString> keys;
    const auto add = [&](const QKeySequence &key, const QObject *owner, const QString &caption) {
        if (!key.isEmpty())
            keys.insert(key, QStringLiteral("%1 \"%2\"").arg(owner->objectName(), caption));
    };
    const auto shown = [window](const QWidget *control) {
        return control->window() == window && control->isVisibleTo(window);
    };
    for (const QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (shown(button))
            add(button->shortcut(), button, button->text());
    }
    for (const QLabel *label : window->findChildren<QLabel *>()) {
        if (label->buddy() && shown(label))
            add(QKeySequence::mnemonic(label->text()), label, label->text());
    }
    for (const QGroupBox *box : window->findChildren<QGroupBox *>()) {
        if (box->isCheckable() && shown(box))
            add(QKeySequence::mnemonic(box->title()), box, box->title());
    }
    for (const QTabBar *tabs : window->findChildren<QTabBar *>()) {
        for (int i = 0; shown(tabs) && i < tabs->count(); ++i)
            add(QKeySequence::mnemonic(tabs->tabText(i)), tabs, tabs->tabText(i));
    }
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (const QAction *title : shown(bar) ? bar->actions() : QList<QAction *>())
            add(QKeySequence::mnemonic(title->text()), title, title->text());
    }
    return keys;
}

// Letters that more than one control of the window (or more than one entry of one of its menus)
// answers to, each with the captions that share it.
QStringList clashes(QWidget *window)
{
    QStringList found;
    const auto collect = [&](const QMultiMap<QKeySequence, QString> &keys, const QString &where) {
        for (const QKeySequence &key : keys.uniqueKeys()) {
            if (keys.count(key) > 1)
                found << QStringLiteral("%1 %2: %3")
                             .arg(where, key.toString(), QStringList(keys.values(key)).join(", "));
        }
    };
    collect(accessKeys(window), window->objectName());
    QList<const QMenu *> menus;
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        if (bar->window() != window)
            continue;
        for (const QAction *title : bar->actions()) {
            if (const QMenu *menu = title->menu())
                menus << menu;
        }
    }
    for (const QMenu *menu : std::as_const(menus)) {
        QMultiMap<QKeySequence, QString> entries;
        for (const QAction *entry : menu->actions()) {
            const QKeySequence key = QKeySequence::mnemonic(entry->text());
            if (!key.isEmpty())
                entries.insert(key, entry->text());
        }
        collect(entries, window->objectName() + " menu " + menu->title());
    }
    return found;
}

using Text = std::pair<QString, QString>; // context, source text

// Notes every text looked up while it is installed, from any thread, and translates none.
class LookupRecorder : public QTranslator
{
public:
    LookupRecorder() { QCoreApplication::installTranslator(this); }
    ~LookupRecorder() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        const QMutexLocker lock(&mutex);
        looked.emplace(QString::fromUtf8(context), QString::fromUtf8(source));
        return QString();
    }
    mutable QMutex mutex;
    mutable std::set<Text> looked;
};

// An element's text, where lupdate writes a control character as <byte value="xd"/>.
QString elementText(QXmlStreamReader &xml)
{
    QString text;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::Characters)
            text += xml.text();
        else if (token == QXmlStreamReader::StartElement && xml.name() == u"byte")
            text += QChar(xml.attributes().value(QLatin1String("value")).mid(1).toInt(nullptr, 16));
        depth += token == QXmlStreamReader::StartElement ? 1
                 : token == QXmlStreamReader::EndElement ? -1
                                                         : 0;
    }
    return text;
}

std::set<Text> translationFileTexts()
{
    QFile file(QStringLiteral(VOCABRIX_SOURCE_DATA "/../translations/vocabrix.ts"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    std::set<Text> texts;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            texts.emplace(context, elementText(xml));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

// The program with a dictionary, its help pages and a word list to import.
class keys : public ::testing::Test
{
protected:
    keys()
    {
        std::vector<entry> words;
        for (int i = 0; i < 8; ++i)
            words.push_back({QStringLiteral("w%1").arg(i), QStringLiteral("(v.) m%1").arg(i),
                             QStringLiteral("They w%1ed.").arg(i)});
        fakes.write("XML/gre.xml", flatXml(words));
        fakes.write("list.csv", "word,meaning\r\nabate,to lessen\r\nzeal,eagerness\r\n");
        const QDir pages(QStringLiteral(VOCABRIX_SOURCE_DATA "/help"));
        QDir().mkpath(fakes.path("help"));
        for (const QString &page : pages.entryList(QDir::Files))
            QFile::copy(pages.filePath(page), fakes.path("help/" + page));
        window.start();
        activate(&window);
    }
    static void activate(QWidget *shown)
    {
        shown->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(shown)) << shown->objectName().toStdString();
    }
    static void press(int key, Qt::KeyboardModifiers with = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : QApplication::activeWindow(), Qt::Key(key), with);
    }
    // Each secondary window, opened as the user opens it, with what its first open says.
    QWidget *open(const QString &name)
    {
        static const QHash<QString, const char *> from{
            {"FormOptions", "mnuOptions"}, {"FormProgress", "mnuProgress"},
            {"FormStudy", "mnuStudy"},     {"FormFlash", "mnuFlash"},
            {"FormMemory", "mnumemory"},   {"FormList", "mnuList"},
            {"FormResults", "Command3"},   {"FormEdit", "mnueditxml"},
            {"FormSelect", "mnuOpen"},     {"FormHelp", "mnucontents"},
            {"FormAbout", "mnuabout"},     {"FormImport", "mnuImportWords"}};
        if (name == "FormList")
            fakes.dialogs.expect("Word List Created");
        if (name == "FormEdit")
            fakes.dialogs.expectStart("WARNING: Be careful");
        if (name == "FormImport")
            fakes.dialogs.expectOpenName(fakes.path("list.csv"));
        click(&window, QLatin1String(from.value(name)));
        QWidget *shown = topWindow(name);
        EXPECT_TRUE(shown && shown->isVisible()) << name.toStdString();
        return shown;
    }

    const QStringList secondary{"FormOptions", "FormProgress", "FormStudy",   "FormFlash",
                                "FormMemory",  "FormList",     "FormResults", "FormEdit",
                                "FormSelect",  "FormHelp",     "FormAbout",   "FormImport"};
    LookupRecorder lookups; // first, so that it hears the main window being made
    FakeServices fakes;
    learning::ProgramModel model{fakes};
    FormMain window{model, fakes};
};

TEST_F(keys, NoTwoAccessKeysOfAWindowShareALetter)
{
    EXPECT_EQ(clashes(&window), QStringList());
    for (const QString &name : secondary) {
        QWidget *shown = open(name);
        ASSERT_TRUE(shown);
        EXPECT_EQ(clashes(shown), QStringList());
        if (name == "FormStudy") { // the grades show once the card is answered
            activate(shown);
            press(Qt::Key_1);
            ASSERT_TRUE(control<QWidget>(shown, "gradeAgain")->isVisibleTo(shown));
            EXPECT_EQ(clashes(shown), QStringList()) << "after the answer";
        }
        if (name == "FormProgress") {
            EXPECT_GE(accessKeys(shown).size(), 2) << "Close and Study this word";
        }
    }
    EXPECT_GE(accessKeys(&window).size(), 17) << "every button and menu has one";
}

// A text looked up under another context than the one lupdate filed it under would never be
// translated.
TEST_F(keys, EveryTextTheWindowsLookUpIsInTheTranslationsUnderItsContext)
{
    for (const QString &name : secondary)
        ASSERT_TRUE(open(name));
    const std::set<Text> known = translationFileTexts();
    int ours = 0;
    QStringList missing;
    for (const auto &[context, source] : lookups.looked) {
        static const QRegularExpression layers(
            QStringLiteral("^(widgets|core|learning|importer|platform)(::|$)"));
        if (!layers.match(context).hasMatch())
            continue; // Qt's own
        ++ours;
        if (!known.count({context, source}))
            missing << context + QStringLiteral(": ") + source;
    }
    EXPECT_EQ(missing, QStringList());
    EXPECT_GT(ours, 250) << "the captions of every window";
}

TEST_F(keys, TheMenuTitlesOpenTheirMenusAndTheButtonsTheirWindows)
{
    for (const char *menu : {"mnuFile", "mnuTool", "mnuView", "mnuhelp"}) {
        auto *shown = control<QMenu>(&window, menu);
        QWidget *before = QApplication::focusWidget();
        press(QKeySequence::mnemonic(shown->title())[0].key(), Qt::AltModifier);
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown->isVisible(); })) << menu;
        QWidget *focus = QApplication::focusWidget();
        EXPECT_FALSE(qobject_cast<QAbstractButton *>(focus) && focus != before)
            << menu << ": the focus went to " << focus->objectName().toStdString();
        QTest::keyClick(shown, Qt::Key_Escape);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // and leave the menu bar
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shown->isVisible(); })) << menu;
        activate(&window);
    }
    press(Qt::Key_O, Qt::AltModifier); // View Log
    EXPECT_TRUE(QTest::qWaitFor([] {
        QWidget *results = topWindow("FormResults");
        return results && results->isVisible();
    }));
    activate(&window);
    fakes.dialogs.expect("Do you want to Exit ? ", platform::Answer::no);
    press(Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fakes.dialogs.shown.size() == 1; }));
}

TEST_F(keys, EscLeavesEachSecondaryWindowAsItsCancelDoes)
{
    click(&window, "Command1(0)"); // one answer in the log
    for (const QString &name : secondary) {
        QWidget *shown = open(name);
        ASSERT_TRUE(shown);
        activate(shown);
        if (name == "FormOptions") // a change that Cancel drops
            click(shown, "examBox");
        press(Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shown->isVisible(); })) << name.toStdString();
    }
    // Cancel keeps the answer log and the saved options; it clears the editor's text.
    EXPECT_EQ(window.answerLog().entries().size(), 1);
    EXPECT_FALSE(fakes.read("settings/study.txt").contains("exam_date="));
    EXPECT_EQ(control<QPlainTextEdit>(topWindow("FormEdit"), "Text1")->toPlainText(), "");
    EXPECT_TRUE(window.isVisible()) << "Esc never closes the main window";
}

TEST_F(keys, F1OpensTheHelpAtThePageAboutTheWindowInFront)
{
    const auto f1 = [&](QWidget *front) {
        activate(front);
        press(Qt::Key_F1);
        auto *help = topWindow("FormHelp");
        EXPECT_TRUE(help && help->isVisible());
        const QUrl page = help ? control<QTextBrowser>(help, "browser")->source() : QUrl();
        QString shown = page.fileName();
        if (page.hasFragment())
            shown += '#' + page.fragment();
        return shown;
    };
    EXPECT_EQ(f1(&window), "main.html");
    const std::vector<std::pair<QString, QString>> pages{
        {"FormStudy", "study.html#study"},      {"FormProgress", "study.html#progress"},
        {"FormFlash", "flashcards.html"},       {"FormMemory", "memory.html"},
        {"FormList", "listmode.html"},          {"FormResults", "results.html"},
        {"FormOptions", "options.html"},        {"FormSelect", "dictionaries.html#open"},
        {"FormEdit", "dictionaries.html#edit"}, {"FormAbout", "index.html"},
        {"FormImport", "study.html#import"}};
    for (const auto &[name, page] : pages) {
        QWidget *shown = open(name);
        ASSERT_TRUE(shown);
        EXPECT_EQ(f1(shown), page) << name.toStdString();
        // The page holds the place the link points to.
        const QString anchor = page.section('#', 1);
        if (!anchor.isEmpty()) {
            EXPECT_TRUE(fakes.read("help/" + page.section('#', 0, 0))
                            .contains(QStringLiteral("id=\"%1\"").arg(anchor).toUtf8()))
                << page.toStdString();
        }
    }
    press(Qt::Key_Escape); // the import dialog, which is modal
    // In the help itself the page stays; a page that is gone gives the contents.
    EXPECT_EQ(f1(topWindow("FormHelp")), "study.html#import");
    QFile::remove(fakes.path("help/main.html"));
    EXPECT_EQ(f1(&window), "index.html");
}

TEST_F(keys, TheHelpListsTheShortcutsOfTheMenus)
{
    const QByteArray table = fakes.read("help/keys.html");
    for (const QAction *entry : window.findChildren<QAction *>()) {
        if (!entry->shortcut().isEmpty()) {
            EXPECT_TRUE(table.contains(
                ("<kbd>" + entry->shortcut().toString(QKeySequence::PortableText) + "</kbd>")
                    .toUtf8()))
                << entry->shortcut().toString().toStdString();
        }
    }
}

TEST_F(keys, TabLeavesTheTablesOfProgress)
{
    for (int i = 0; i < 3; ++i) { // three words answered wrong: the hardest words
        click(&window, QStringLiteral("Command1(%1)").arg(i % 2 + 1));
        click(&window, QStringLiteral("Command2(1)"));
    }
    QWidget *progress = open("FormProgress");
    ASSERT_TRUE(progress);
    activate(progress);
    click(progress, "stateChartShowValues");
    for (const char *name : {"hardestWords", "stateChartValues"}) {
        auto *table = control<QTableWidget>(progress, name);
        ASSERT_GT(table->rowCount(), 1) << name;
        table->setCurrentCell(0, 0);
        table->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), table);
        press(Qt::Key_Tab);
        EXPECT_NE(QApplication::focusWidget(), table) << name;
    }
}

} // namespace
