// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programfolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void write(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST(programfolder, APortableCopyKeepsItsFilesBesideTheProgram)
{
    QTemporaryDir root;
    write(root.filePath("portable/XML/gre.xml"), "<GRE/>");
    EXPECT_EQ(platform::findprogramfolder(root.filePath("portable"), root.filePath("user"),
                                          root.filePath("share")),
              root.filePath("portable"));
    EXPECT_FALSE(QDir(root.filePath("user")).exists());
}

TEST(programfolder, AnInstalledProgramSeedsTheUsersFolderOnceAndNeverOverwrites)
{
    QTemporaryDir root;
    const QString bin = root.filePath("usr/bin"), share = root.filePath("usr/share/vocabrix"),
                  user = root.filePath("home/.local/share/vocabrix");
    QDir().mkpath(bin);
    write(share + "/XML/gre.xml", "shipped dictionary");
    write(share + "/settings/settings.ini", "shipped settings");
    write(share + "/help/index.html", "help");
    QFile::setPermissions(share + "/XML/gre.xml", QFile::ReadOwner | QFile::ReadOther);

    EXPECT_EQ(platform::findprogramfolder(bin, user, share), user);
    EXPECT_EQ(read(user + "/XML/gre.xml"), "shipped dictionary");
    EXPECT_TRUE(QFile::permissions(user + "/XML/gre.xml") & QFile::WriteOwner)
        << "the user's copy can be saved into";
    EXPECT_EQ(read(user + "/help/index.html"), "help");
    EXPECT_TRUE(QDir(user + "/Logs").exists());

    write(user + "/settings/settings.ini", "my settings");
    QFile::remove(user + "/XML/gre.xml");
    write(share + "/XML/gre.xml", "upgraded dictionary");
    write(share + "/XML/new.xml", "a new list");
    EXPECT_EQ(platform::findprogramfolder(bin, user, share), user);
    EXPECT_EQ(read(user + "/settings/settings.ini"), "my settings");
    EXPECT_EQ(read(user + "/XML/new.xml"), "a new list");
    EXPECT_EQ(read(user + "/XML/gre.xml"), "upgraded dictionary")
        << "a file the user removed comes back from the shipped copy";
}

} // namespace
