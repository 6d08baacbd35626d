// SPDX-License-Identifier: GPL-3.0-or-later
// Files a user or an attacker controls: each loads or counts no word, quickly, in bounded
// memory, and never reads another file.

#include "core/dictionary.h"
#include "core/displaysettings.h"
#include "support/fakes.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

namespace {

QByteArray entry(const QByteArray &word)
{
    return "<word>" + word + "</word><meaning>m</meaning><usage>u</usage>";
}

QByteArray utf16(const QString &text, bool bigendian)
{
    QByteArray bytes = bigendian ? QByteArray("\xfe\xff") : QByteArray("\xff\xfe");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xff);
        bytes.append(bigendian ? high : low).append(bigendian ? low : high);
    }
    return bytes;
}

QByteArray nested(int depth, bool closed)
{
    return "<GRE>" + QByteArray("<a>").repeated(depth) + entry("deep") +
           (closed ? QByteArray("</a>").repeated(depth) + "</GRE>" : QByteArray());
}

// Each level holds ten references to the one below: expanded, the word would be 10^9 "lol".
QByteArray billionlaughs()
{
    QByteArray text = "<?xml version=\"1.0\"?>\n<!DOCTYPE GRE [\n<!ENTITY lol0 \"lol\">\n";
    for (int level = 1; level <= 9; ++level)
        text += "<!ENTITY lol" + QByteArray::number(level) + " \"" +
                ("&lol" + QByteArray::number(level - 1) + ";").repeated(10) + "\">\n";
    return text + "]>\n<GRE>" + entry("&lol9;") + "</GRE>";
}

TEST(hostilefiles, EachDictionaryLoadsOrCountsNoWord)
{
    testsupport::fakeservices fakes;
    fakes.write("secret.txt", "top secret");
    const QByteArray outside = "<?xml version=\"1.0\"?>\n<!DOCTYPE GRE [<!ENTITY xxe SYSTEM "
                               "\"file://" +
                               fakes.path("secret.txt").toUtf8() +
                               "\">]>\n<GRE><word>w</word><meaning>&xxe;</meaning></GRE>";
    std::mt19937 generator(20261206);
    QByteArray garbage(1024 * 1024, Qt::Uninitialized);
    for (char &byte : garbage)
        byte = char(generator());
    const QString naive = "<GRE>" + QString::fromUtf8(entry("na\xc3\xafve")) + "</GRE>";
    const std::vector<std::tuple<const char *, QByteArray, QString>> table{
        {"100,000 levels of nesting", nested(100000, true), "deep"},
        {"100,000 levels never closed", nested(100000, false), {}},
        {"entity bomb", billionlaughs(), "&lol9;"},
        {"external entity", outside, "w"},
        {"binary garbage", garbage, {}},
        {"UTF-16 little-endian", utf16(naive, false), "naïve"},
        {"UTF-16 big-endian", utf16(naive, true), "naïve"},
        {"a NUL byte in a word", "<GRE>" + entry(QByteArray("a\0b", 3)) + "</GRE>", {}},
        {"only NUL bytes", QByteArray(4096, '\0'), {}},
        {"a 10 MB word", "<GRE>" + entry(QByteArray(10 << 20, 'x')) + "</GRE>",
         QString(10 << 20, u'x')},
        {"an empty file", "", {}}};
    for (const auto &[name, bytes, first] : table) {
        SCOPED_TRACE(name);
        fakes.write("XML/hostile.xml", bytes);
        Dictionary dictionary(fakes.appinfo.folder);
        EXPECT_EQ(dictionary.load("/XML/hostile.xml"), first.isNull() ? 0 : 1);
        EXPECT_EQ(dictionary.word(0), first);
        EXPECT_FALSE(dictionary.meaning(0).contains("secret"));
    }
}

TEST(hostilefiles, AHundredMegabyteDictionaryLoadsInSeconds)
{
    testsupport::fakeservices fakes;
    const QByteArray usage = QByteArray("a long usage; ").repeated(2400);
    QByteArray text = "<GRE>\r\n";
    text.reserve(101 << 20);
    for (int i = 0; i < 3000; ++i)
        text += "<word>w" + QByteArray::number(i) + "</word>\r\n<meaning>m</meaning>\r\n<usage>" +
                usage + "</usage>\r\n";
    fakes.write("XML/big.xml", text + "</GRE>\r\n");
    QElapsedTimer clock;
    clock.start();
    Dictionary dictionary(fakes.appinfo.folder);
    EXPECT_EQ(dictionary.load("/XML/big.xml"), 3000);
    EXPECT_EQ(dictionary.word(2999), "w2999");
    EXPECT_EQ(dictionary.usage(0).size(), 14 * 2400 - 1) << "the end blank is layout";
    EXPECT_LT(clock.elapsed(), 60000);
}

TEST(hostilefiles, AGigabyteSettingsFileIsReadOnlyAsFarAsItsLines)
{
    testsupport::fakeservices fakes;
    // Sparse files: the gigabyte costs neither disk nor time to make.
    const auto gigabyte = [&](const QByteArray &start) {
        fakes.write("settings/settings.ini", start);
        QFile file(fakes.path("settings/settings.ini"));
        EXPECT_TRUE(file.resize(qint64(1) << 30));
        return DisplaySettings::filePath(fakes.appinfo.folder);
    };
    QElapsedTimer clock;
    clock.start();
    DisplaySettings settings;
    gigabyte(testsupport::defaultsettings().replace("24", "25") + "\r\n");
    EXPECT_TRUE(settings.load(fakes.appinfo.folder));
    EXPECT_EQ(settings.style(DisplaySettings::FlashCards).fontSize, 25);
    // The twelfth line runs on into the zeros: it is no size, and not taken for one.
    gigabyte(testsupport::defaultsettings());
    EXPECT_FALSE(settings.load(fakes.appinfo.folder));
    gigabyte(QByteArray());
    EXPECT_FALSE(settings.load(fakes.appinfo.folder));
    EXPECT_LT(clock.elapsed(), 5000) << "a file must not be read whole";
}

} // namespace
