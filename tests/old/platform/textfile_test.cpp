// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/error.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(textfile, DecodesUtf8Windows1252AndByteOrderMarks)
{
    const std::vector<std::pair<QByteArray, QString>> table{
        {"plain", "plain"},
        {"caf\xc3\xa9 \xe2\x80\x94", QString::fromUtf8("café —")},
        {"caf\xe9 \x93q\x94 \x80 \x9f", QString::fromUtf8("café “q” € Ÿ")},
        {"\xef\xbb\xbf<GRE/>", "<GRE/>"},
        {QByteArray("\xff\xfe<\0a\0", 6), "<a"},
        {QByteArray("\xfe\xff\0<\0a", 6), "<a"},
        {"", ""}};
    for (const auto &[bytes, text] : table)
        EXPECT_EQ(platform::decodetext(bytes), text) << bytes.toHex().toStdString();
}

TEST(textfile, RecognisesUtf8ExactlyAsItsDecoderDoes)
{
    const std::vector<QByteArray> samples{"",
                                          "plain",
                                          "caf\xc3\xa9",
                                          "\xe2\x80\x94",
                                          "\xf0\x9f\x98\x80",
                                          "\xef\xbf\xbf",
                                          "caf\xe9",
                                          "\xc3",
                                          "\xe2\x80",
                                          "\xc0\xaf",
                                          "\xe0\x80\xaf",
                                          "\xed\xa0\x80",
                                          "\xf4\x90\x80\x80",
                                          "\xf8\x88\x80\x80\x80",
                                          "\x80",
                                          "a\xc3\xa9\xc3"};
    for (const QByteArray &bytes : samples) {
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString decoded = decoder.decode(bytes);
        EXPECT_EQ(platform::isutf8(bytes), !decoder.hasError()) << bytes.toHex().toStdString();
    }
}

TEST(textfile, WritesUtf8WithoutMarkAndReplacesWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("f.txt");
    platform::writetext(path, QString::fromUtf8("one\r\ncafé"));
    platform::writetext(path, QString::fromUtf8("two\r\ncafé"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "two\r\ncaf\xc3\xa9");
    EXPECT_EQ(platform::readtext(path), QString::fromUtf8("two\r\ncafé"));
}

TEST(textfile, AFailedWriteLeavesTheOldFileAndNoLeftovers)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("f.txt");
    platform::writetext(path, "old content");
    platform::injectwritefailure(true);
    EXPECT_THROW(platform::writetext(path, "new"), vocabrix::error);
    platform::injectwritefailure(false);
    EXPECT_EQ(platform::readtext(path), "old content");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"f.txt"}));

    try {
        platform::writetext(folder.filePath("missing/f.txt"), "x");
        ADD_FAILURE() << "writing into a missing folder succeeded";
    } catch (const vocabrix::error &failure) {
        EXPECT_EQ(failure.what_kind(), vocabrix::error::io);
        EXPECT_TRUE(failure.message().contains("missing")) << failure.message().toStdString();
    }
    EXPECT_THROW(platform::readtext(folder.filePath("absent.txt")), vocabrix::error);
}

TEST(paths, JoinStoredPathsWithEitherSeparator)
{
    const std::vector<std::tuple<const char *, const char *, const char *>> table{
        {"/opt/v", "\\XML\\gre.xml", "/opt/v/XML/gre.xml"},
        {"/opt/v", "/XML/mine.xml", "/opt/v/XML/mine.xml"},
        {"/opt/v/", "\\\\XML//gre.xml", "/opt/v/XML/gre.xml"},
        {"/opt/my folder", "\\settings\\settings.ini", "/opt/my folder/settings/settings.ini"},
        {"/opt/v", "\\Logs", "/opt/v/Logs"},
        {"/", "/XML/a.xml", "/XML/a.xml"}};
    for (const auto &[folder, stored, joined] : table)
        EXPECT_EQ(platform::joinpath(QLatin1String(folder), QLatin1String(stored)),
                  QLatin1String(joined));
}

} // namespace
