// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/description.h"
#include "app/formmain.h"
#include "modglobal.h"
#include "platform/textfile.h"
#include "store/readxml.h"
#include "support/fakes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using platform::answer;
using testsupport::entry;
using testsupport::fakerandom;

namespace {

const QString question = QStringLiteral("Do you want to Save ? ");

std::vector<entry> entries()
{
    return {{"zero", "m0", "u0"},
            {"one", "m1", "first usage"},
            {"two", "m2 & more", "(I)second usage(I)"},
            {"three", "m3", "third usage"}};
}

class descriptiontest : public ::testing::Test
{
protected:
    descriptiontest()
    {
        fakes.write("XML/gre.xml", testsupport::flatxml(entries()));
        fakes.write("settings/settings.ini", testsupport::defaultsettings());
        fakes.random.script({fakerandom::forposition(1, 4)});
        window.start();
    }

    QAction *button(const char *key) const
    {
        return window.findChild<QAction *>(QStringLiteral("Toolbar1.") + QLatin1String(key));
    }
    void go(int position)
    {
        window.currentword = qint16(position == 1 ? 3 : position - 1);
        window.Command2_Click(1);
    }
    void select(int from, int to)
    {
        QTextCursor cursor = window.RichTextBox1->textCursor();
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        window.RichTextBox1->setTextCursor(cursor);
    }
    void save(answer reply = answer::yes)
    {
        fakes.dialogs.expect(question, reply);
        QTest::mouseClick(window.Command7, Qt::LeftButton);
    }

    testsupport::fakeservices fakes;
    FormMain window;
};

TEST_F(descriptiontest, ToolbarHasItsEightButtonsInOrder)
{
    QStringList keys;
    for (QAction *action : window.Toolbar1->actions())
        keys << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
    EXPECT_EQ(keys, QStringList({"Align Left", "Center", "Align Right", "|", "Copy", "Cut", "Paste",
                                 "|", "Italic", "Bold"}));
    for (QAction *action : window.Toolbar1->actions())
        EXPECT_TRUE(action->isSeparator() || !action->icon().isNull())
            << action->toolTip().toStdString();
}

TEST_F(descriptiontest, ShowHideAndEdit)
{
    EXPECT_TRUE(window.RichTextBox1->isVisible());
    EXPECT_FALSE(window.RichTextBox1->isEnabled());
    QTest::mouseClick(window.Command5, Qt::LeftButton);
    EXPECT_FALSE(window.RichTextBox1->isVisible());
    go(2);
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "second usage") << "a hidden box is filled";
    QTest::mouseClick(window.Command4, Qt::LeftButton);
    EXPECT_TRUE(window.RichTextBox1->isVisible());
    QTest::mouseClick(window.Command6, Qt::LeftButton);
    EXPECT_TRUE(window.RichTextBox1->isEnabled());
    QTest::mouseClick(window.Command6, Qt::LeftButton);
    EXPECT_TRUE(window.RichTextBox1->isEnabled());
}

TEST_F(descriptiontest, ClipboardButtons)
{
    QClipboard *clipboard = QApplication::clipboard();
    window.RichTextBox1->setPlainText("alpha beta gamma");
    select(6, 10);
    button("Copy")->trigger();
    EXPECT_EQ(clipboard->text(), "alpha beta gamma") << "Copy takes the whole text";

    select(6, 11);
    button("Cut")->trigger();
    EXPECT_EQ(clipboard->text(), "beta ");
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "alpha gamma");

    clipboard->setText(" delta");
    select(2, 4);
    button("Paste")->trigger();
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "alpha gamma delta")
        << "Paste appends at the end and replaces nothing";
    clipboard->clear();
    button("Paste")->trigger();
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "alpha gamma delta");
}

TEST_F(descriptiontest, BoldTogglesTheWholeBoxAndItalicTheSelection)
{
    window.RichTextBox1->setPlainText("alpha beta");
    select(0, 3);
    button("Bold")->trigger();
    EXPECT_TRUE(window.RichTextBox1->font().bold());
    button("Bold")->trigger();
    EXPECT_FALSE(window.RichTextBox1->font().bold());

    select(0, 5);
    button("Italic")->trigger();
    EXPECT_TRUE(selectionitalic(*window.RichTextBox1));
    select(3, 8);
    EXPECT_FALSE(selectionitalic(*window.RichTextBox1)) << "a mixed selection is not italic";
    button("Italic")->trigger();
    EXPECT_TRUE(selectionitalic(*window.RichTextBox1)) << "a mixed selection becomes italic";
    select(0, 8);
    button("Italic")->trigger();
    EXPECT_FALSE(selectionitalic(*window.RichTextBox1));

    select(0, 0);
    button("Center")->trigger();
    EXPECT_EQ(window.RichTextBox1->document()->firstBlock().blockFormat().alignment() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    button("Align Right")->trigger();
    EXPECT_TRUE(window.RichTextBox1->alignment() & Qt::AlignRight);
    button("Align Left")->trigger();
    EXPECT_TRUE(window.RichTextBox1->alignment() & Qt::AlignLeft);
}

TEST_F(descriptiontest, MarkersAreDecidedBoldFirstAndNeverDoubled)
{
    const std::vector<std::tuple<const char *, bool, bool, const char *>> table{
        {"abc", true, false, "(b)abc(b)"}, {"abc", false, true, "(I)abc(I)"},
        {"abc", true, true, "(b)abc(b)"},  {"(b)abc", true, false, "(b)abc"},
        {"(I)abc", false, true, "(I)abc"}, {"(b)abc", true, true, "(b)abc"},
        {"abc", false, false, "abc"},      {"(I)abc", true, false, "(b)(I)abc(b)"}};
    for (const auto &[text, bold, italic, stored] : table)
        EXPECT_EQ(markedusage(QLatin1String(text), bold, italic), QLatin1String(stored))
            << text << bold << italic;
}

TEST_F(descriptiontest, SaveWritesTheWholeFileWithTheMarker)
{
    QTest::mouseClick(window.Command6, Qt::LeftButton);
    window.RichTextBox1->setPlainText("edited <usage> & more");
    button("Bold")->trigger();
    save();
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::question);
    std::vector<entry> expected = entries();
    expected[1].usage = "(b)edited &lt;usage&gt; &amp; more(b)";
    expected[2].meaning = "m2 &amp; more";
    EXPECT_EQ(fakes.read("XML/gre.xml"), testsupport::flatxml(expected));
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "edited <usage> & more");

    // The marked text is what the word shows next time, bold and without markers.
    go(3);
    go(1);
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "edited <usage> & more");
    EXPECT_TRUE(window.RichTextBox1->font().bold());
}

TEST_F(descriptiontest, AnItalicWordKeepsItsMarkerWhenSavedUnchanged)
{
    go(2);
    ASSERT_TRUE(window.RichTextBox1->font().italic());
    save();
    EXPECT_EQ(modglobal::usagelist[2], "(I)second usage(I)");
    EXPECT_EQ(fakes.read("XML/gre.xml"),
              testsupport::flatxml(entries()).replace("m2 & more", "m2 &amp; more"));
}

TEST_F(descriptiontest, NoKeepsTheEditInMemoryOnly)
{
    const QByteArray before = fakes.read("XML/gre.xml");
    window.RichTextBox1->setPlainText("changed my mind");
    button("Bold")->trigger();
    save(answer::no);
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
    go(3);
    go(1);
    EXPECT_EQ(window.RichTextBox1->toPlainText(), "changed my mind");
    EXPECT_FALSE(window.RichTextBox1->font().bold());
}

TEST_F(descriptiontest, SaveGoesToTheCurrentDictionary)
{
    fakes.write("XML/mine.xml", testsupport::flatxml({{"a", "ma", "ua"}, {"b", "mb", "ub"}}));
    modglobal::xmlfilepath = "/XML/mine.xml";
    window.loaddata(modglobal::xmlfilepath);
    const QByteArray standard = fakes.read("XML/gre.xml");
    window.RichTextBox1->setPlainText("new b");
    save();
    EXPECT_EQ(fakes.read("XML/mine.xml"),
              testsupport::flatxml({{"a", "ma", "ua"}, {"b", "mb", "new b"}}));
    EXPECT_EQ(fakes.read("XML/gre.xml"), standard);
}

TEST_F(descriptiontest, FewerMeaningsAreSavedAsEmptyElements)
{
    fakes.write("XML/short.xml", "<GRE><word>a</word><word>b</word><word>c</word>"
                                 "<meaning>ma</meaning><meaning>mb</meaning>"
                                 "<usage>ua</usage><usage>ub</usage><usage>uc</usage></GRE>");
    modglobal::xmlfilepath = "/XML/short.xml";
    fakes.random.script({fakerandom::forposition(1, 3), 0, 0, 0, 0});
    window.loaddata(modglobal::xmlfilepath);
    save();
    EXPECT_EQ(fakes.read("XML/short.xml"),
              testsupport::flatxml({{"a", "ma", "ua"}, {"b", "mb", "ub"}, {"c", "", "uc"}}));
}

TEST_F(descriptiontest, AFailedWriteSaysSoAndLeavesTheFile)
{
    const QByteArray before = fakes.read("XML/gre.xml");
    platform::injectwritefailure(true);
    fakes.dialogs.expect(question, answer::yes);
    fakes.dialogs.expect(QStringLiteral("The description could not be saved; the dictionary file "
                                        "is unchanged. Cannot write %1: No space left on device")
                             .arg(QDir::toNativeSeparators(fakes.path("XML/gre.xml"))));
    window.Command7_Click();
    platform::injectwritefailure(false);
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
}

TEST_F(descriptiontest, AReadOnlyDictionaryIsNeverReplaced)
{
    const QByteArray before = fakes.read("XML/gre.xml");
    QFile::setPermissions(fakes.path("XML/gre.xml"), QFile::ReadOwner | QFile::ReadGroup);
    window.RichTextBox1->setPlainText("new text");
    fakes.dialogs.expect(question, answer::yes);
    fakes.dialogs.expect(QStringLiteral("The description could not be saved; the dictionary file "
                                        "is unchanged. Cannot write %1: the file is read-only")
                             .arg(QDir::toNativeSeparators(fakes.path("XML/gre.xml"))));
    window.Command7_Click();
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
    EXPECT_FALSE(QFile::permissions(fakes.path("XML/gre.xml")) & QFile::WriteOwner);
}

TEST_F(descriptiontest, NothingToSaveIntoWritesNothing)
{
    fakes.write("XML/broken.xml", "<GRE>");
    fakes.write("XML/gre.xml", "<GRE>");
    fakes.dialogs.expect(QStringLiteral(" There was an error in loading the XML dictionary"));
    FormMain empty;
    empty.start();
    fakes.dialogs.expect("There is no dictionary loaded, so there is no description to save.");
    empty.Command7_Click();
    EXPECT_EQ(fakes.read("XML/gre.xml"), "<GRE>") << "never replaced by an empty dictionary";

    fakes.write("XML/one.xml", testsupport::flatxml({{"only", "m", "u"}}));
    modglobal::xmlfilepath = "/XML/one.xml";
    window.loaddata(modglobal::xmlfilepath);
    ASSERT_EQ(window.currentword, 1);
    fakes.dialogs.expect("The word on show is not an entry of the dictionary, so its "
                         "description cannot be saved.");
    window.Command7_Click();
    EXPECT_EQ(fakes.read("XML/one.xml"), testsupport::flatxml({{"only", "m", "u"}}));
}

} // namespace
