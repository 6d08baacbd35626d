// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard in every window: a screen reader announces each by its title; no two access keys
// of a window share a letter, so each presses what its caption says; Esc leaves each secondary
// window as its Cancel does; F1 opens the help at the page about the window in front. And every
// text the windows look up is in translations/vocabrix.ts under the context it is looked up in.

#include "program.h"

#include <QGroupBox>
#include <QMenu>
#include <QMenuBar>
#include <QMutex>
#include <QTabBar>
#include <QTranslator>
#include <QXmlStreamReader>
#include <set>

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
    for (const QWidget *each : window->findChildren<QWidget *>()) {
        if (each->window() != window || !each->isVisibleTo(window))
            continue;
        if (auto *button = qobject_cast<const QAbstractButton *>(each))
            add(button->shortcut(), button, button->text());
        if (auto *label = qobject_cast<const QLabel *>(each); label && label->buddy())
            add(QKeySequence::mnemonic(label->text()), label, label->text());
        if (auto *box = qobject_cast<const QGroupBox *>(each); box && box->isCheckable())
            add(QKeySequence::mnemonic(box->title()), box, box->title());
        if (auto *tabs = qobject_cast<const QTabBar *>(each))
            for (int i = 0; i < tabs->count(); ++i)
                add(QKeySequence::mnemonic(tabs->tabText(i)), tabs, tabs->tabText(i));
        for (const QAction *title :
             qobject_cast<const QMenuBar *>(each) ? each->actions() : QList<QAction *>())
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
            if (!key.isEmpty() && keys.count(key) > 1)
                found << QStringLiteral("%1 %2: %3")
                             .arg(where, key.toString(), QStringList(keys.values(key)).join(", "));
        }
    };
    collect(accessKeys(window), window->objectName());
    for (const QMenuBar *bar : window->findChildren<QMenuBar *>()) {
        for (const QAction *title : bar->window() == window ? bar->actions() : QList<QAction *>()) {
            QMultiMap<QKeySequence, QString> entries;
            for (const QAction *entry :
                 title->menu() ? title->menu()->actions() : QList<QAction *>())
                entries.insert(QKeySequence::mnemonic(entry->text()), entry->text());
            collect(entries, window->objectName() + " menu " + title->text());
        }
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

// Each secondary window, the button or menu entry that opens it and the help page about it.
struct Secondary
{
    const char *name, *from, *help;
};
const Secondary secondary[] = {{"FormOptions", "mnuOptions", "options.html"},
                               {"FormProgress", "mnuProgress", "study.html#progress"},
                               {"FormStudy", "mnuStudy", "study.html#study"},
                               {"FormFlash", "mnuFlash", "flashcards.html"},
                               {"FormMemory", "mnumemory", "memory.html"},
                               {"FormList", "mnuList", "listmode.html"},
                               {"FormResults", "Command3", "results.html"},
                               {"FormEdit", "mnueditxml", "dictionaries.html#edit"},
                               {"FormSelect", "mnuOpen", "dictionaries.html#open"},
                               {"FormHelp", "mnucontents", nullptr},
                               {"FormAbout", "mnuabout", "index.html"},
                               {"FormImport", "mnuImportWords", "study.html#import"}};

// The program with a dictionary, its help pages and a word list to import.
class keys : public ::testing::Test
{
protected:
    keys()
    {
        const QDir pages(QStringLiteral(VOCABRIX_SOURCE_DATA "/help"));
        QDir().mkpath(fakes.path("help"));
        for (const QString &page : pages.entryList(QDir::Files))
            QFile::copy(pages.filePath(page), fakes.path("help/" + page));
        EXPECT_TRUE(activated(&window));
    }
    // A secondary window, opened as the user opens it, with what its first open says.
    QWidget *open(const Secondary &each)
    {
        const QString name = QLatin1String(each.name);
        if (name == "FormList")
            fakes.dialogs.expect("Word List Created");
        if (name == "FormEdit")
            fakes.dialogs.expectStart("WARNING: Be careful");
        if (name == "FormImport")
            fakes.dialogs.expectOpenName(fakes.path("list.csv"));
        return opened(&window, each.from, each.name);
    }

    LookupRecorder lookups; // first, so that it hears the main window being made
    FakeServices fakes;
    Program vocabrix{fakes,
                     numberedWords(8),
                     {{"list.csv", "word,meaning\r\nabate,to lessen\r\nzeal,eagerness\r\n"}}};
    FormMain &window = vocabrix.window;
};

// A screen reader announces a window only when it has the role of one, and reads its title. Esc
// leaves a secondary window as its Cancel does.
TEST_F(keys, EveryWindowIsAnnouncedByItsTitleHasAccessKeysOfItsOwnLeavesByEscAndIsTranslated)
{
    const auto announced = [](QWidget *shown, QAccessible::Role role) {
        QAccessibleInterface *exposed = QAccessible::queryAccessibleInterface(shown);
        EXPECT_EQ(exposed->role(), role) << shown->objectName().toStdString();
        EXPECT_EQ(exposed->text(QAccessible::Name), shown->windowTitle());
    };
    announced(&window, QAccessible::Window);
    EXPECT_EQ(clashes(&window), QStringList());
    click(&window, "Command1(0)"); // one answer in the log
    for (const Secondary &each : secondary) {
        const QString name = QLatin1String(each.name);
        QWidget *shown = open(each);
        ASSERT_TRUE(shown);
        announced(shown, name == "FormImport" ? QAccessible::Dialog : QAccessible::Window);
        EXPECT_EQ(clashes(shown), QStringList());
        ASSERT_TRUE(activated(shown));
        if (name == "FormStudy") { // the grades show once the card is answered
            press(Qt::Key_1);
            ASSERT_TRUE(control<QWidget>(shown, "gradeAgain")->isVisibleTo(shown));
            EXPECT_EQ(clashes(shown), QStringList()) << "after the answer";
        }
        if (name == "FormProgress") {
            EXPECT_GE(accessKeys(shown).size(), 2) << "Close and Study this word";
        }
        if (name == "FormOptions") // a change that Cancel drops
            click(shown, "examBox");
        press(Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shown->isVisible(); })) << each.name;
    }
    EXPECT_GE(accessKeys(&window).size(), 17) << "every button and menu has one";
    // Cancel keeps the answer log and the saved options; it clears the editor's text.
    EXPECT_EQ(window.answerLog().entries().size(), 1);
    EXPECT_FALSE(fakes.read("settings/study.txt").contains("exam_date="));
    EXPECT_EQ(control<QPlainTextEdit>(topWindow("FormEdit"), "Text1")->toPlainText(), "");
    EXPECT_TRUE(window.isVisible()) << "Esc never closes the main window";

    // A text looked up under another context than the one lupdate filed it under would never be
    // translated.
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
        ASSERT_TRUE(activated(&window));
    }
    press(Qt::Key_O, Qt::AltModifier); // View Log
    EXPECT_TRUE(QTest::qWaitFor([] { return shown("FormResults"); }));
    ASSERT_TRUE(activated(&window));
    fakes.dialogs.expect("Do you want to Exit ? ", platform::Answer::no);
    press(Qt::Key_X, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fakes.dialogs.shown.size() == 1; }));
}

TEST_F(keys, F1OpensTheHelpAtThePageAboutTheWindowInFrontAndTheHelpListsTheShortcuts)
{
    const auto f1 = [&](QWidget *front) {
        EXPECT_TRUE(activated(front)) << front->objectName().toStdString();
        press(Qt::Key_F1);
        QWidget *help = shown("FormHelp");
        EXPECT_TRUE(help);
        const QUrl page = help ? control<QTextBrowser>(help, "browser")->source() : QUrl();
        return page.fileName() + (page.hasFragment() ? '#' + page.fragment() : QString());
    };
    EXPECT_EQ(f1(&window), "main.html");
    for (const Secondary &each : secondary) {
        if (!each.help)
            continue; // below
        const QString page = QLatin1String(each.help);
        QWidget *shown = open(each);
        ASSERT_TRUE(shown);
        EXPECT_EQ(f1(shown), page) << each.name;
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

    // The help lists the shortcuts of the menus.
    const QByteArray table = fakes.read("help/keys.html");
    QStringList unlisted;
    for (const QAction *entry : window.findChildren<QAction *>()) {
        const QString key = entry->shortcut().toString(QKeySequence::PortableText);
        if (!key.isEmpty() && !table.contains(("<kbd>" + key + "</kbd>").toUtf8()))
            unlisted << key;
    }
    EXPECT_EQ(unlisted, QStringList());
}

} // namespace
