// SPDX-License-Identifier: GPL-3.0-or-later
// Files a user or an attacker controls: each either loads or is refused with a message, quickly
// and in bounded memory.

#include "app/formmain.h"
#include "modglobal.h"
#include "platform/error.h"
#include "settings/globalfileroutines.h"
#include "support/fakes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <functional>
#include <gtest/gtest.h>
#include <random>

namespace {

constexpr int refused = -1;

// A whole entry: a word without its meaning is refused when the quiz draws its choices.
QByteArray entry(const QByteArray &word)
{
    return "<word>" + word + "</word><meaning>m</meaning><usage>u</usage>";
}

QByteArray utf16withmark(const QString &text, bool bigendian)
{
    QByteArray bytes = bigendian ? QByteArray("\xfe\xff", 2) : QByteArray("\xff\xfe", 2);
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xff);
        bytes.append(bigendian ? high : low).append(bigendian ? low : high);
    }
    return bytes;
}

QByteArray garbage(qsizetype size)
{
    std::mt19937 generator(20261206);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(generator());
    return bytes;
}

QByteArray nested(int depth, bool closed)
{
    QByteArray text = "<GRE>" + QByteArray("<a>").repeated(depth) + entry("deep");
    if (closed)
        text += QByteArray("</a>").repeated(depth) + "</GRE>";
    return text;
}

// Each level holds ten references to the one below: expanded, the word would be 10^9 "lol".
QByteArray billionlaughs()
{
    QByteArray text = "<?xml version=\"1.0\"?>\n<!DOCTYPE GRE [\n<!ENTITY lol0 \"lol\">\n";
    for (int level = 1; level <= 9; ++level) {
        text += "<!ENTITY lol" + QByteArray::number(level) + " \"";
        for (int i = 0; i < 10; ++i)
            text += "&lol" + QByteArray::number(level - 1) + ";";
        text += "\">\n";
    }
    return text + "]>\n<GRE><word>&lol9;</word><meaning>m</meaning><usage>u</usage></GRE>";
}

// About 100 MB in 3000 entries of the program's own layout.
QByteArray hundredmegabytes()
{
    const QByteArray usage = QByteArray("a long usage; ").repeated(2400);
    QByteArray text = "<GRE>\r\n";
    text.reserve(101 * 1024 * 1024);
    for (int i = 0; i < 3000; ++i)
        text += "<word>w" + QByteArray::number(i) + "</word>\r\n<meaning>m</meaning>\r\n<usage>" +
                usage + "</usage>\r\n";
    return text + "</GRE>\r\n";
}

class hostilefiles : public ::testing::Test
{
protected:
    hostilefiles() { fakes.write("settings/settings.ini", testsupport::defaultsettings()); }

    // The number of words loaded, or refused when the load was refused with a message.
    int load(const QByteArray &bytes)
    {
        fakes.write("XML/hostile.xml", bytes);
        try {
            window.loaddata(QStringLiteral("\\XML\\hostile.xml"));
        } catch (const vocabrix::error &failure) {
            EXPECT_FALSE(failure.message().isEmpty());
            return refused;
        }
        EXPECT_EQ(window.Text1->text(), modglobal::wordlist.at(window.currentword));
        return modglobal::wordcount;
    }

    testsupport::fakeservices fakes;
    FormMain window;
};

TEST_F(hostilefiles, EachDictionaryLoadsOrIsRefused)
{
    fakes.write("secret.txt", "top secret");
    const QByteArray outside =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE GRE [<!ENTITY xxe SYSTEM "
        "\"file://" +
        fakes.path("secret.txt").toUtf8() +
        "\">]>\n<GRE><word>w</word><meaning>&xxe;</meaning><usage>u</usage></GRE>";
    const QString naive = QString::fromUtf8("<GRE>" + entry("na\xc3\xafve") + "</GRE>");
    struct hostile
    {
        const char *name;
        std::function<QByteArray()> bytes;
        int words;
        QString first;
    };
    const std::vector<hostile> table{
        {"100,000 levels of nesting", [] { return nested(100000, true); }, 1, "deep"},
        {"100,000 levels never closed", [] { return nested(100000, false); }, refused, {}},
        {"entity bomb", billionlaughs, 1, "&lol9;"},
        {"external entity", [&] { return outside; }, 1, "w"},
        {"binary garbage", [] { return garbage(1024 * 1024); }, refused, {}},
        {"UTF-16 little-endian with a mark", [&] { return utf16withmark(naive, false); }, 1,
         QStringLiteral("na\u00efve")},
        {"UTF-16 big-endian with a mark", [&] { return utf16withmark(naive, true); }, 1,
         QStringLiteral("na\u00efve")},
        {"Windows-1252", [] { return "<GRE>" + entry("caf\xe9 \x93x\x94") + "</GRE>"; }, 1,
         QStringLiteral("caf\u00e9 \u201cx\u201d")},
        {"a NUL byte in a word",
         [] {
             static const char text[] =
                 "<GRE><word>a\0b</word><meaning>m</meaning><usage>u</usage></GRE>";
             return QByteArray(text, sizeof text - 1);
         },
         refused,
         {}},
        {"only NUL bytes", [] { return QByteArray(4096, '\0'); }, refused, {}},
        {"a 10 MB word",
         [] { return "<GRE>" + entry(QByteArray(10 * 1024 * 1024, 'x')) + "</GRE>"; }, 1,
         QString(10 * 1024 * 1024, u'x')},
        {"an empty file", [] { return QByteArray(); }, refused, {}},
    };
    for (const hostile &each : table) {
        SCOPED_TRACE(each.name);
        EXPECT_EQ(load(each.bytes()), each.words);
        if (each.words != refused) {
            EXPECT_EQ(modglobal::wordlist.front(), each.first);
        }
        for (const QStringList *list :
             {&modglobal::wordlist, &modglobal::meaninglist, &modglobal::usagelist})
            for (const QString &text : *list)
                EXPECT_FALSE(text.contains(QStringLiteral("secret")));
    }
}

TEST_F(hostilefiles, AHundredMegabyteDictionaryLoadsInSeconds)
{
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(load(hundredmegabytes()), 3000);
    EXPECT_EQ(modglobal::wordlist.at(2999), "w2999");
    EXPECT_EQ(modglobal::usagelist.at(0).size(), 14 * 2400 - 1) << "the end blank is layout";
    EXPECT_LT(clock.elapsed(), 60000);
}

TEST_F(hostilefiles, AGigabyteSettingsFileIsReadOnlyAsFarAsItsLines)
{
    // Sparse files: the gigabyte costs neither disk nor time to make.
    const auto gigabyte = [&](const QByteArray &start) {
        fakes.write("settings/settings.ini", start);
        QFile file(fakes.path("settings/settings.ini"));
        ASSERT_TRUE(file.resize(qint64(1) << 30));
    };
    QElapsedTimer clock;
    clock.start();
    gigabyte(testsupport::defaultsettings() + "\r\n");
    EXPECT_TRUE(loadsettings());
    EXPECT_EQ(modglobal::answerfontname, "Book Antiqua");
    EXPECT_EQ(modglobal::flashfontsize, "24");

    // The twelfth line runs on into the zeros: it is no size, and not taken for one.
    gigabyte(testsupport::defaultsettings());
    EXPECT_FALSE(loadsettings());
    EXPECT_EQ(modglobal::flashfontname, "Arial");
    EXPECT_EQ(modglobal::flashfontsize, "");

    gigabyte(QByteArray());
    EXPECT_FALSE(loadsettings());
    EXPECT_EQ(modglobal::mainfontcolor, "");
    EXPECT_LT(clock.elapsed(), 5000) << "a file must not be read whole";
}

} // namespace
