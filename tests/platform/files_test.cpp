// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/programfolder.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

TEST(textfile, DecodesUtf8Windows1252AndByteOrderMarks)
{
    const std::vector<std::pair<QByteArray, QString>> table{
        {"caf\xc3\xa9 \xe2\x80\x94", "café —"},  {"caf\xe9 \x93q\x94 \x80 \x9f", "café “q” € Ÿ"},
        {"\xef\xbb\xbf<GRE/>", "<GRE/>"},        {QByteArray("\xff\xfe<\0a\0", 6), "<a"},
        {QByteArray("\xfe\xff\0<\0a", 6), "<a"}, {"", ""}};
    for (const auto &[bytes, text] : table)
        EXPECT_EQ(platform::decodetext(bytes), text) << bytes.toHex().toStdString();
    // Valid UTF-8 exactly as Qt's decoder sees it: truncated, overlong, surrogate, too large.
    for (const QByteArray &bytes :
         {QByteArray("\xf0\x9f\x98\x80"), QByteArray("\xef\xbf\xbf"), QByteArray("caf\xe9"),
          QByteArray("\xc3"), QByteArray("\xe2\x80"), QByteArray("\xc0\xaf"),
          QByteArray("\xe0\x80\xaf"), QByteArray("\xed\xa0\x80"), QByteArray("\xf4\x90\x80\x80"),
          QByteArray("\xf8\x88\x80\x80\x80"), QByteArray("\x80"), QByteArray("a\xc3\xa9\xc3")}) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(bytes);
        EXPECT_EQ(platform::isutf8(bytes), !decoder.hasError()) << bytes.toHex().toStdString();
    }
}

TEST(textfile, WritesReplaceWholeOrLeaveTheOldFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("f.txt");
    platform::writebytes(path, "old");
    platform::writebytes(path, "caf\xc3\xa9\r\n");
    EXPECT_EQ(platform::readtext(path), "café\r\n");
    const auto refused = [&](const QString &target, const platform::writefault &fault) {
        try {
            platform::writebytes(target, "new", fault);
        } catch (const vocabrix::error &failure) {
            EXPECT_EQ(failure.what_kind(), vocabrix::error::io);
            EXPECT_TRUE(failure.message().contains(QDir::toNativeSeparators(target)));
            return true;
        }
        return false;
    };
    EXPECT_TRUE(refused(path, {nullptr, true}));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup);
    EXPECT_TRUE(refused(path, {})) << "a read-only file is not replaced";
    EXPECT_TRUE(refused(folder.filePath("missing/f.txt"), {}));
    EXPECT_EQ(read(path), "caf\xc3\xa9\r\n");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"f.txt"}));
    EXPECT_THROW(platform::readbytes(folder.filePath("absent.txt")), vocabrix::error);
}

TEST(paths, StoredPathsJoinWithEitherSeparator)
{
    const std::vector<std::tuple<const char *, const char *, const char *>> table{
        {"/opt/v", "\\XML\\gre.xml", "/opt/v/XML/gre.xml"},
        {"/opt/v/", "\\\\XML//gre.xml", "/opt/v/XML/gre.xml"},
        {"/opt/my folder", "settings/settings.ini", "/opt/my folder/settings/settings.ini"},
        {"/", "/XML/a.xml", "/XML/a.xml"}};
    for (const auto &[folder, stored, joined] : table)
        EXPECT_EQ(platform::joinpath(QLatin1String(folder), QLatin1String(stored)),
                  QLatin1String(joined));
}

TEST(programfolder, APortableCopyStaysAndAnInstalledOneSeedsTheUsersFolderOnly)
{
    QTemporaryDir root;
    const QString share = root.filePath("share"), user = root.filePath("user");
    write(root.filePath("portable/XML/gre.xml"), "<GRE/>");
    EXPECT_EQ(platform::findprogramfolder(root.filePath("portable"), user, share),
              root.filePath("portable"));
    EXPECT_FALSE(QDir(user).exists());

    QDir().mkpath(root.filePath("bin"));
    write(share + "/XML/gre.xml", "shipped dictionary");
    write(share + "/settings/settings.ini", "shipped settings");
    QFile::setPermissions(share + "/XML/gre.xml", QFile::ReadOwner | QFile::ReadOther);
    EXPECT_EQ(platform::findprogramfolder(root.filePath("bin"), user, share), user);
    EXPECT_EQ(read(user + "/XML/gre.xml"), "shipped dictionary");
    EXPECT_TRUE(QFile::permissions(user + "/XML/gre.xml") & QFile::WriteOwner);
    EXPECT_TRUE(QDir(user + "/Logs").exists());

    write(user + "/settings/settings.ini", "my settings");
    QFile::remove(user + "/XML/gre.xml");
    write(share + "/XML/new.xml", "a new list");
    write(share + "/settings/settings.ini", "upgraded settings");
    EXPECT_EQ(platform::findprogramfolder(root.filePath("bin"), user, share), user);
    EXPECT_EQ(read(user + "/settings/settings.ini"), "my settings") << "never overwritten";
    EXPECT_EQ(read(user + "/XML/new.xml"), "a new list");
    EXPECT_EQ(read(user + "/XML/gre.xml"), "shipped dictionary");
}

} // namespace
