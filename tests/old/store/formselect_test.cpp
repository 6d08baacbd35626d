// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/formmain.h"
#include "modglobal.h"
#include "store/formedit.h"
#include "store/formselect.h"
#include "support/fakes.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using platform::answer;

namespace {

const QString loadfailure = QStringLiteral(" There was an error in loading the XML dictionary");

class selecttest : public ::testing::Test
{
protected:
    selecttest()
    {
        fakes.write("XML/gre.xml", testsupport::flatxml({{"g0", "m", "u"}, {"g1", "m", "u"}}));
        fakes.write("XML/mine.xml", testsupport::flatxml({{"a", "ma", "ua"}, {"b", "mb", "ub"}}));
        fakes.write("XML/old.xml.old", testsupport::flatxml({{"o", "m", "u"}, {"p", "m", "u"}}));
        fakes.write("XML/empty.xml", "<GRE></GRE>");
        fakes.write("XML/notes.txt", "not a dictionary");
        fakes.write("settings/settings.ini", testsupport::defaultsettings());
        window.start();
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
    }

    FormSelect &chooser() { return forms::select(); }
    void pick(const QString &name)
    {
        const auto found = chooser().File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        chooser().File1->setCurrentItem(found.front());
    }
    QStringList files()
    {
        QStringList names;
        for (int i = 0; i < chooser().File1->count(); ++i)
            names << chooser().File1->item(i)->text();
        return names;
    }

    testsupport::fakeservices fakes;
    FormMain window;
};

TEST_F(selecttest, OpensInTheProgramFolderWithLightGreyLists)
{
    window.mnuOpen->trigger();
    EXPECT_TRUE(chooser().isVisible());
    EXPECT_EQ(chooser().windowTitle(), "Select");
    EXPECT_EQ(QDir(chooser().dirpath()), QDir(fakes.path("")));
    // No dictionary lies in the program folder itself: the list says where they are.
    ASSERT_EQ(files().size(), 1);
    EXPECT_TRUE(files().front().contains(QDir::toNativeSeparators(fakes.path("XML"))));
    EXPECT_FALSE(chooser().File1->item(0)->flags() & Qt::ItemIsSelectable);
    fakes.dialogs.expect(loadfailure);
    chooser().File1->setCurrentRow(0);
    QTest::mouseClick(chooser().Command1, Qt::LeftButton);
    EXPECT_EQ(modglobal::xmlfilepath, "/XML/") << "the hint is not taken for a file name";
    for (QWidget *list :
         {static_cast<QWidget *>(chooser().Dir1), static_cast<QWidget *>(chooser().File1)})
        EXPECT_EQ(list->palette().color(QPalette::Base), QColor(192, 192, 192));

    chooser().setdirpath(fakes.path("XML"));
    EXPECT_EQ(files(), QStringList({"empty.xml", "gre.xml", "mine.xml", "old.xml.old"}));
    EXPECT_GT(chooser().Drive1->count(), 0);
}

TEST_F(selecttest, OkLoadsTheChosenFileAndClosesTheChooser)
{
    window.mnuOpen->trigger();
    chooser().setdirpath(fakes.path("XML"));
    pick("mine.xml");
    QTest::mouseClick(chooser().Command1, Qt::LeftButton);
    EXPECT_FALSE(chooser().isVisible());
    EXPECT_EQ(modglobal::xmlfilepath, "/XML/mine.xml");
    EXPECT_EQ(modglobal::wordlist, QStringList({"a", "b", ""}));
    EXPECT_EQ(window.Text1->text(), "b");

    // The editor then opens that file.
    fakes.dialogs.expect(QStringLiteral("WARNING: Be careful not to CORRUPT the XML file "
                                        "struture while editing the GRE XML file. \r\n"
                                        "Preferably , Use the Update XML file feature in the "
                                        "Help menu to update the XML file"));
    window.mnueditxml->trigger();
    EXPECT_EQ(forms::edit().Text1->toPlainText().toUtf8(),
              fakes.read("XML/mine.xml").replace("\r\n", "\n"));
}

TEST_F(selecttest, FailuresKeepTheChooserOpen)
{
    window.mnuOpen->trigger();
    chooser().setdirpath(fakes.path("XML"));
    fakes.dialogs.expect(loadfailure);
    QTest::mouseClick(chooser().Command1, Qt::LeftButton);
    EXPECT_TRUE(chooser().isVisible()) << "nothing selected";

    pick("empty.xml");
    fakes.dialogs.expect(loadfailure);
    QTest::mouseClick(chooser().Command1, Qt::LeftButton);
    EXPECT_TRUE(chooser().isVisible());
    EXPECT_EQ(modglobal::xmlfilepath, "/XML/empty.xml");
    EXPECT_EQ(fakes.dialogs.shown.back().kind, platform::icon::critical);

    pick("old.xml.old");
    QTest::mouseClick(chooser().Command1, Qt::LeftButton);
    EXPECT_FALSE(chooser().isVisible()) << "a .xml.old file is listed and loads";
    EXPECT_EQ(modglobal::wordlist.front(), "o");
}

TEST_F(selecttest, OnlyTheNameCountsTheFileComesFromTheXmlFolder)
{
    QDir(fakes.path("")).mkpath("elsewhere");
    fakes.write("elsewhere/mine.xml", testsupport::flatxml({{"x", "m", "u"}, {"y", "m", "u"}}));
    fakes.write("elsewhere/lonely.xml", testsupport::flatxml({{"x", "m", "u"}, {"y", "m", "u"}}));
    window.mnuOpen->trigger();
    chooser().setdirpath(fakes.path("elsewhere"));
    pick("mine.xml");
    QTest::mouseClick(chooser().Command1, Qt::LeftButton);
    EXPECT_EQ(modglobal::wordlist.front(), "a") << "loaded from XML/, not the folder shown";

    window.mnuOpen->trigger();
    chooser().setdirpath(fakes.path("elsewhere"));
    pick("lonely.xml");
    fakes.dialogs.expect(loadfailure);
    QTest::mouseClick(chooser().Command1, Qt::LeftButton);
    EXPECT_TRUE(chooser().isVisible());
}

TEST_F(selecttest, ClosingWithoutOkChangesNothing)
{
    window.mnuOpen->trigger();
    chooser().setdirpath(fakes.path("XML"));
    pick("mine.xml");
    chooser().close();
    EXPECT_EQ(modglobal::xmlfilepath, "\\XML\\gre.xml");
    EXPECT_EQ(modglobal::wordlist.front(), "g0");
    window.mnuOpen->trigger();
    EXPECT_EQ(QDir(chooser().dirpath()), QDir(fakes.path(""))) << "a new opening starts afresh";
}

TEST_F(selecttest, TheFolderListWalksUpAndDown)
{
    window.mnuOpen->trigger();
    QListWidget *folders = chooser().Dir1;
    QListWidgetItem *xml = nullptr;
    for (int i = 0; i < folders->count(); ++i)
        if (folders->item(i)->text().trimmed() == "XML")
            xml = folders->item(i);
    ASSERT_TRUE(xml);
    folders->setCurrentItem(xml);
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(QDir(chooser().dirpath()), QDir(fakes.path("XML")));
    EXPECT_TRUE(files().contains("gre.xml"));
    QTest::keyClick(folders, Qt::Key_Home);
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(chooser().dirpath(), QDir::rootPath());
    folders->setCurrentRow(folders->count() - 1);
    QTest::keyClick(folders, Qt::Key_Enter);
    EXPECT_NE(chooser().dirpath(), QDir::rootPath()) << "Enter on the keypad enters too";
}

} // namespace
