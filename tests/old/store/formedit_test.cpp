// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/formmain.h"
#include "modglobal.h"
#include "platform/textfile.h"
#include "store/editorrules.h"
#include "store/formedit.h"
#include "store/readxml.h"
#include "support/fakes.h"

#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using platform::answer;
using testsupport::entry;

namespace {

const QString warning = QStringLiteral(
    "WARNING: Be careful not to CORRUPT the XML file struture while editing the GRE XML file. "
    "\r\nPreferably , Use the Update XML file feature in the Help menu to update the XML file");
const QString question = QStringLiteral("Update XML File ?");
const QString saved = QStringLiteral("File Saved ");

QByteArray flat(const std::vector<entry> &entries)
{
    QByteArray text = testsupport::flatxml(entries);
    text.chop(2); // the editor ends the file after "</GRE>"
    return text;
}

class edittest : public ::testing::Test
{
protected:
    edittest()
    {
        modglobal::xmlfilepath = "\\XML\\gre.xml";
        fakes.write("XML/gre.xml", testsupport::flatxml(original));
    }

    FormEdit &editor() { return forms::edit(); }
    void open()
    {
        fakes.dialogs.expect(warning);
        editor().Form_Load();
    }
    void save(const QString &text, answer reply = answer::ok)
    {
        editor().Text1->setPlainText(text);
        fakes.dialogs.expect(question, reply);
        if (reply == answer::ok)
            fakes.dialogs.expect(saved);
        QTest::mouseClick(editor().Command2, Qt::LeftButton);
    }
    void refused(const QString &text, const QString &problem)
    {
        const QByteArray before = fakes.read("XML/gre.xml");
        editor().Text1->setPlainText(text);
        fakes.dialogs.expect(question, answer::ok);
        fakes.dialogs.expect(problem + " The file was not changed.");
        editor().mnusave_Click();
        EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);
        EXPECT_EQ(fakes.read("XML/gre.xml"), before) << text.toStdString();
        EXPECT_EQ(editor().Text1->toPlainText(), text) << "the user's text stays for mending";
    }

    const std::vector<entry> original{{"abate", "(v.) lessen", "It abated."},
                                      {"belie", "(v.) r&amp;d", "Smile."}};
    testsupport::fakeservices fakes;
};

TEST_F(edittest, OpensWithTheWarningAndTheRawText)
{
    open();
    EXPECT_EQ(fakes.dialogs.shown.at(0).kind, platform::icon::critical);
    EXPECT_TRUE(editor().isVisible());
    EXPECT_EQ(editor().windowTitle(), "Edit XML Data File");
    EXPECT_EQ(editor().Text1->toPlainText(),
              QString::fromUtf8(testsupport::flatxml(original)).replace("\r\n", "\n"));
}

TEST_F(edittest, SavingRewritesTheFlatLayoutFromTheElements)
{
    open();
    save(editor().Text1->toPlainText());
    EXPECT_EQ(fakes.read("XML/gre.xml"), flat(original)) << "an unchanged file keeps its entries";

    const QString wrapped =
        "<?xml version=\"1.0\"?>\n<!-- mine -->\n<list>\n"
        "  <entry id=\"1\"><word>x &amp; y</word><meaning>m1</meaning><usage>u1</usage></entry>\n"
        "  <entry><usage>u2</usage><meaning>m2</meaning><word>z</word></entry>\n</list>";
    save(wrapped);
    EXPECT_EQ(fakes.read("XML/gre.xml"), flat({{"x &amp; y", "m1", "u1"}, {"z", "m2", "u2"}}));
    EXPECT_EQ(editor().Text1->toPlainText(), wrapped) << "the text stays as typed";
    EXPECT_TRUE(editor().isVisible());

    readxml &reader = modglobal::xmlreader();
    reader.loadxmlword("//word", "\\XML\\gre.xml");
    EXPECT_EQ(modglobal::wordlist, QStringList({"x & y", "z", ""}));
}

TEST_F(edittest, CancelAndClosingLeaveTheFile)
{
    const QByteArray before = fakes.read("XML/gre.xml");
    open();
    save("<GRE><word>w</word><meaning>m</meaning><usage>u</usage></GRE>", answer::cancel);
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);

    editor().Text1->setPlainText("edited but not saved");
    QTest::mouseClick(editor().Command1, Qt::LeftButton);
    EXPECT_FALSE(editor().isVisible());
    EXPECT_TRUE(editor().Text1->toPlainText().isEmpty());
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);

    open();
    editor().Text1->setPlainText("edited again");
    editor().close();
    EXPECT_TRUE(editor().Text1->toPlainText().isEmpty());
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
}

TEST_F(edittest, TextThatCannotBeReadBackIsRefused)
{
    open();
    refused("<GRE><word>a</word><meaning>m</GRE>",
            "The text is not well-formed XML: Start-end tags mismatch (line 1).");
    refused("<GRE>\n<word>a</word>\n<meaning>m\n</GRE>",
            "The text is not well-formed XML: Start-end tags mismatch (line 4).");
    refused("<GRE><word>a</word><word>b</word><meaning>m</meaning><usage>u</usage>"
            "<usage>v</usage></GRE>",
            "The text holds 2 word, 1 meaning and 2 usage elements; every word needs one "
            "meaning and one usage.");
    refused("<GRE></GRE>", "The text holds no word element.");
    refused("", "The text is not well-formed XML: No document element found (line 1).");
    QString big = "<GRE>";
    for (int i = 0; i < 32768; ++i)
        big += "<word>w</word>";
    refused(big + "</GRE>",
            "The dictionary holds 32768 elements of one kind; at most 32767 are supported.");
}

TEST_F(edittest, AFailedWriteKeepsTheFile)
{
    open();
    const QByteArray before = fakes.read("XML/gre.xml");
    editor().Text1->setPlainText("<GRE><word>w</word><meaning>m</meaning><usage>u</usage></GRE>");
    platform::injectwritefailure(true);
    fakes.dialogs.expect(question, answer::ok);
    fakes.dialogs.expect(QStringLiteral("The dictionary could not be saved; the file is "
                                        "unchanged. Cannot write %1: No space left on device")
                             .arg(QDir::toNativeSeparators(fakes.path("XML/gre.xml"))));
    editor().savefile(editor().Text1);
    platform::injectwritefailure(false);
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
}

TEST_F(edittest, MissingOrEmptyFilesOpenEmpty)
{
    fakes.write("XML/gre.xml", "");
    fakes.dialogs.expect(warning);
    fakes.dialogs.expect(QStringLiteral("The dictionary file %1 is empty.")
                             .arg(QDir::toNativeSeparators(fakes.path("XML/gre.xml"))));
    editor().Form_Load();
    EXPECT_TRUE(editor().Text1->toPlainText().isEmpty());

    QFile::remove(fakes.path("XML/gre.xml"));
    fakes.dialogs.expect(warning);
    fakes.dialogs.expect(QStringLiteral("Cannot read %1: No such file or directory. The editor "
                                        "starts with an empty text.")
                             .arg(QDir::toNativeSeparators(fakes.path("XML/gre.xml"))));
    editor().Form_Load();
    EXPECT_TRUE(editor().isVisible());
    save("<GRE><word>w</word><meaning>m</meaning><usage>u</usage></GRE>");
    EXPECT_EQ(fakes.read("XML/gre.xml"), flat({{"w", "m", "u"}}));
}

} // namespace
