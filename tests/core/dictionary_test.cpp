// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dictionary.h"
#include "core/readxml.h"
#include "platform/error.h"
#include "support/fakes.h"

#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

using testsupport::flatxml;
using vocabrix::error;

namespace {

const QString gre = QStringLiteral("\\XML\\gre.xml");

error::kind failure(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const error &e) {
        EXPECT_FALSE(e.message().isEmpty());
        return e.what_kind();
    }
    ADD_FAILURE() << "no error was raised";
    return error::database;
}

TEST(dictionary, LoadsTheThreeKindsInOneParse)
{
    struct row
    {
        const char *name;
        QByteArray bytes;
        QStringList words, meanings, usages;
    };
    const std::vector<row> table{
        {"flat",
         flatxml({{"abate", "(v.) lessen", "It abated."}, {"belie", "m", "u"}}),
         {"abate", "belie", ""},
         {"(v.) lessen", "m", ""},
         {"It abated.", "u", ""}},
        {"nested, markup, CDATA",
         "<?xml version=\"1.0\"?><lex><s><e><word>first</word><meaning>one &amp; only</meaning>"
         "</e></s><e><meaning>a <i>nested</i> <b>text</b> &lt;x&gt;</meaning><word><![CDATA[x < "
         "y]]></word><usage>\n  padded \n</usage></e><a><b><word>third</word></b></a></lex>",
         {"first", "x < y", "third", ""},
         {"one & only", "a nested text <x>", ""},
         {"padded", ""}},
        {"byte order mark",
         "\xef\xbb\xbf<GRE><word>caf\xc3\xa9</word></GRE>",
         {"café", ""},
         {""},
         {""}},
        {"Windows-1252",
         "<GRE><word>caf\xe9</word><usage>\x93q\x94 \x80</usage></GRE>",
         {"café", ""},
         {""},
         {"“q” €", ""}},
        {"U+FEFF opening a text",
         "<GRE><word>\xef\xbb\xbfw</word></GRE>",
         {QStringLiteral("\ufeffw"), ""},
         {""},
         {""}},
        {"missing", {}, {""}, {""}, {""}},
        {"malformed", "<GRE><word>a</word>", {""}, {""}, {""}},
        {"binary", QByteArray("\x00\x01\xff\xfe<GRE>", 9), {""}, {""}, {""}}};
    for (const row &each : table) {
        SCOPED_TRACE(each.name);
        testsupport::fakeservices fakes;
        if (!each.bytes.isNull())
            fakes.write("XML/gre.xml", each.bytes);
        Dictionary dictionary(fakes.appinfo.folder);
        QSignalSpy loaded(&dictionary, &Dictionary::loaded);
        EXPECT_EQ(dictionary.load(gre), each.words.size() - 1);
        EXPECT_EQ(dictionary.parseCount(), 1);
        EXPECT_EQ(loaded.count(), 1);
        EXPECT_EQ(dictionary.words(), each.words);
        EXPECT_EQ(dictionary.meanings(), each.meanings);
        EXPECT_EQ(dictionary.usages(), each.usages);
        EXPECT_EQ(dictionary.word(-1) + dictionary.word(99), QString());
    }
}

TEST(dictionary, MoreThan32767OfAKindThrowsBeforeAnythingChanges)
{
    testsupport::fakeservices fakes;
    fakes.write("XML/mine.xml", flatxml({{"kept", "m", "u"}}));
    fakes.write("XML/gre.xml",
                "<GRE><word>w</word>" + QByteArray("<usage>u</usage>").repeated(32768) + "</GRE>");
    Dictionary dictionary(fakes.appinfo.folder);
    dictionary.load("/XML/mine.xml");
    QSignalSpy loaded(&dictionary, &Dictionary::loaded);
    EXPECT_EQ(failure([&] { dictionary.load(gre); }), error::overflow);
    EXPECT_EQ(dictionary.path(), "/XML/mine.xml");
    EXPECT_EQ(dictionary.count(), 1);
    EXPECT_EQ(dictionary.usages(), QStringList({"u", ""}));
    EXPECT_EQ(loaded.count(), 0);
    fakes.write("XML/gre.xml", "<GRE>" + QByteArray("<word>w</word>").repeated(32767) + "</GRE>");
    EXPECT_EQ(dictionary.load(gre), 32767);
}

// The classic operations address an entry by a position given as text.
TEST(readxml, PositionsAsTextRoundHalfToEvenAndAreChecked)
{
    testsupport::fakeservices fakes;
    fakes.write("XML/gre.xml",
                flatxml({{"w0", "m0", ""}, {"w1", "", ""}, {"w2", "", ""}, {"w3", "", ""}}));
    Dictionary dictionary(fakes.appinfo.folder);
    readxml reader(dictionary);
    EXPECT_EQ(reader.loadxmlall(gre), 4);
    const std::vector<std::pair<const char *, const char *>> found{
        {"2.5", "w2"}, {"3.5", ""},    {"1.5", "w2"}, {"0.5", "w0"}, {"-0.4", "w0"},
        {" 3 ", "w3"}, {"2.51", "w3"}, {"1e0", "w1"}, {"4", ""}};
    for (const auto &[position, word] : found)
        EXPECT_EQ(reader.readword(QLatin1String(position)), QLatin1String(word)) << position;
    const std::vector<std::pair<const char *, error::kind>> refused{
        {"", error::typemismatch}, {"x", error::typemismatch}, {"nan", error::typemismatch},
        {"1e12", error::overflow}, {"5", error::outofrange},   {"5.5", error::outofrange},
        {"-1", error::outofrange}};
    for (const auto &[position, kind] : refused)
        EXPECT_EQ(failure([&] { reader.readword(QLatin1String(position)); }), kind) << position;
    EXPECT_EQ(failure([&] { reader.writemeaning("5", "x"); }), error::outofrange);
    reader.writeusage("2.5", "new");
    EXPECT_EQ(dictionary.usage(2), "new");
    EXPECT_EQ(fakes.read("XML/gre.xml"),
              flatxml({{"w0", "m0", ""}, {"w1", "", ""}, {"w2", "", ""}, {"w3", "", ""}}));

    reader.loadxmlmeaning("//meaning[. != '']", gre);
    EXPECT_EQ(dictionary.meanings(), QStringList({"m0", ""}));
    EXPECT_EQ(failure([&] { reader.nodecount("//[", gre); }), error::parse);
    fakes.write("XML/big.xml", "<GRE>" + QByteArray("<word>w</word>").repeated(32768) + "</GRE>");
    EXPECT_EQ(failure([&] { reader.loadxmlword("//word", "/XML/big.xml"); }), error::overflow);
    EXPECT_EQ(dictionary.words().size(), 5);
}

TEST(dictionarywriter, WritesTheFlatLayoutByteForByte)
{
    struct row
    {
        QStringList words, meanings, usages;
        int count;
        finalline ending;
        QByteArray bytes;
    };
    const std::vector<row> table{
        {{"a&b", "c"},
         {"<m>", "x\ry"},
         {"u\r\nv", "w\nz"},
         2,
         finalline::empty,
         "<GRE>\r\n<word>a&amp;b</word>\r\n<meaning>&lt;m&gt;</meaning>\r\n<usage>u&#13;\nv"
         "</usage>\r\n<word>c</word>\r\n<meaning>x&#13;y</meaning>\r\n<usage>w\nz</usage>\r\n"
         "</GRE>\r\n\r\n"},
        {{}, {}, {}, 0, finalline::none, "<GRE>\r\n</GRE>\r\n"},
        {{"w", "x"},
         {"m"},
         {},
         2,
         finalline::none,
         "<GRE>\r\n<word>w</word>\r\n<meaning>m</meaning>\r\n<usage></usage>\r\n<word>x</word>"
         "\r\n<meaning></meaning>\r\n<usage></usage>\r\n</GRE>\r\n"}};
    for (const row &each : table)
        EXPECT_EQ(dictionarybytes(each.words, each.meanings, each.usages, each.count, each.ending),
                  each.bytes);
}

TEST(dictionary, SavedTextsLoadBackUnchanged)
{
    testsupport::fakeservices fakes;
    const std::array<QStringList, 3> saved{
        QStringList{"fa\u00e7ade", "a<b>c & d", QStringLiteral("\ufeffzw"), "tab\there",
                    "]]> <![CDATA[", ""},
        QStringList{"x &amp; y", "line\r\nbreak", "cr\ralone", "lf\nalone", "\u201cq\u201d", ""},
        QStringList{"(b)B.(b)", "&#38;", "\u2028", "'\"'", "\U0001F600", ""}};
    fakes.write(
        "XML/gre.xml",
        flatxml({{"1", "", ""}, {"2", "", ""}, {"3", "", ""}, {"4", "", ""}, {"5", "", ""}}));
    Dictionary dictionary(fakes.appinfo.folder);
    dictionary.load(gre);
    for (int kind = 0; kind < 3; ++kind)
        dictionary.list(Dictionary::Kind(kind)) = saved[size_t(kind)];
    dictionary.save(fakes.files, finalline::empty);
    Dictionary again(fakes.appinfo.folder);
    ASSERT_EQ(again.load(gre), 5);
    for (int kind = 0; kind < 3; ++kind)
        EXPECT_EQ(again.list(Dictionary::Kind(kind)), saved[size_t(kind)]);
}

TEST(dictionary, TheShippedDictionarySavesToTheSameBytes)
{
    testsupport::fakeservices fakes;
    QFile shipped(QStringLiteral(VOCABRIX_SOURCE_DATA "/XML/gre.xml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    const QByteArray bytes = shipped.readAll();
    fakes.write("XML/gre.xml", bytes);
    Dictionary dictionary(fakes.appinfo.folder);
    EXPECT_GT(dictionary.load(gre), 1500);
    dictionary.save(fakes.files, finalline::empty);
    EXPECT_EQ(fakes.read("XML/gre.xml"), bytes);
}

} // namespace
