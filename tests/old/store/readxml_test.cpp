// SPDX-License-Identifier: GPL-3.0-or-later
#include "modglobal.h"
#include "platform/error.h"
#include "store/readxml.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

using testsupport::entry;
using vocabrix::error;

namespace {

class readxmltest : public ::testing::Test
{
protected:
    void file(const QByteArray &content, const QString &name = QStringLiteral("XML/gre.xml"))
    {
        fakes.write(name, content);
    }
    void loadall(const QString &path = QStringLiteral("\\XML\\gre.xml"))
    {
        reader.loadxmlword(QStringLiteral("//word"), path);
        reader.loadxmlmeaning(QStringLiteral("//meaning"), path);
        reader.loadxmlusage(QStringLiteral("//usage"), path);
    }
    static error::kind failure(const std::function<void()> &operation)
    {
        try {
            operation();
        } catch (const error &e) {
            return e.what_kind();
        }
        ADD_FAILURE() << "no error was raised";
        return error::io;
    }

    testsupport::fakeservices fakes;
    readxml &reader = modglobal::xmlreader();
};

const std::vector<entry> three{{"abate", "(v.) lessen", "The storm abated."},
                               {"belie", "(v.) contradict", "Her smile belied her fear."},
                               {"cogent", "(adj.) convincing", "(b)A cogent case.(b)"}};

TEST_F(readxmltest, ThreeEntriesFillPositionsAndAnEmptyEnd)
{
    file(testsupport::flatxml(three));
    EXPECT_EQ(reader.nodecount(QStringLiteral("//word"), QStringLiteral("\\XML\\gre.xml")), 3);
    loadall();
    EXPECT_EQ(modglobal::wordlist, QStringList({"abate", "belie", "cogent", ""}));
    EXPECT_EQ(reader.readmeaning("1"), "(v.) contradict");
    EXPECT_EQ(reader.readusage("2"), "(b)A cogent case.(b)");
    EXPECT_EQ(reader.readword("3"), "");
    EXPECT_EQ(failure([&] { reader.readword("4"); }), error::outofrange);
    EXPECT_EQ(failure([&] { reader.readword("-1"); }), error::outofrange);
}

TEST_F(readxmltest, BothSeparatorsAndDoubledOnesNameTheSameFile)
{
    file(testsupport::flatxml(three), QStringLiteral("XML/other.xml"));
    for (const char *path :
         {"/XML/other.xml", "\\XML\\other.xml", "\\\\XML//other.xml", "XML/other.xml"}) {
        EXPECT_EQ(reader.nodecount(QStringLiteral("//word"), QLatin1String(path)), 3) << path;
        loadall(QLatin1String(path));
        EXPECT_EQ(modglobal::wordlist.size(), 4) << path;
    }
}

TEST_F(readxmltest, PositionsRoundHalfToEven)
{
    file(testsupport::flatxml({{"w0", "m0", "u0"},
                               {"w1", "m1", "u1"},
                               {"w2", "m2", "u2"},
                               {"w3", "m3", "u3"},
                               {"w4", "m4", "u4"}}));
    loadall();
    const std::vector<std::pair<const char *, const char *>> table{
        {"2.5", "w2"},    {"1.5", "w2"}, {"3.5", "w4"},  {"0.4", "w0"},
        {"1.4999", "w1"}, {" 3 ", "w3"}, {"-0.4", "w0"}, {"0.5", "w0"},
        {"2.51", "w3"},   {"4", "w4"},   {"1e0", "w1"}};
    for (const auto &[position, word] : table)
        EXPECT_EQ(reader.readword(QLatin1String(position)), QLatin1String(word)) << position;
    for (const char *text : {"", "abc", "2x", "nan", "inf", "--1"})
        EXPECT_EQ(failure([&] { reader.readword(QLatin1String(text)); }), error::typemismatch)
            << '"' << text << '"';
    EXPECT_EQ(failure([&] { reader.readword("1e12"); }), error::overflow);
    EXPECT_EQ(failure([&] { reader.readword("5.5"); }), error::outofrange);
}

TEST_F(readxmltest, ShorterMeaningListReadsOutOfRangeBeyondItsEnd)
{
    file("<GRE><word>a</word><meaning>ma</meaning><word>b</word><meaning>mb</meaning>"
         "<word>c</word></GRE>");
    loadall();
    EXPECT_EQ(modglobal::wordlist.size(), 4);
    EXPECT_EQ(modglobal::meaninglist, QStringList({"ma", "mb", ""}));
    EXPECT_EQ(reader.readmeaning("2"), "");
    EXPECT_EQ(failure([&] { reader.readmeaning("3"); }), error::outofrange);
    EXPECT_EQ(modglobal::usagelist, QStringList({""}));
}

TEST_F(readxmltest, ElementsAreFoundAtAnyDepthWithTheirWholeTextContent)
{
    file("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<lexicon><section><entry><word>first</word><meaning>one &amp; only</meaning>"
         "</entry></section>\n"
         "<entry><meaning>a <i>nested</i> <b>text</b> &lt;here&gt;</meaning>"
         "<word><![CDATA[x < y]]></word><usage>\n   padded   \n</usage></entry>"
         "<deep><a><b><c><word>third</word></c></b></a></deep></lexicon>");
    loadall();
    EXPECT_EQ(modglobal::wordlist, QStringList({"first", "x < y", "third", ""}));
    EXPECT_EQ(modglobal::meaninglist, QStringList({"one & only", "a nested text <here>", ""}));
    EXPECT_EQ(modglobal::usagelist, QStringList({"padded", ""}));
}

TEST_F(readxmltest, UnloadableFilesCountZeroAndLeaveOneEmptyPosition)
{
    const std::vector<std::pair<const char *, QByteArray>> table{
        {"missing", QByteArray()},
        {"empty", QByteArray("")},
        {"not well-formed", QByteArray("<GRE><word>a</word>")},
        {"mismatched", QByteArray("<GRE><word>a</meaning></GRE>")},
        {"binary", QByteArray("\x00\x01\x02\xff\xfe garbage", 14)},
        {"no word", QByteArray("<GRE><meaning>m</meaning></GRE>")}};
    for (const auto &[name, content] : table) {
        modglobal::wordlist = QStringList({"old", "list"});
        QFile::remove(fakes.path("XML/gre.xml"));
        if (QByteArray(name) != "missing")
            file(content);
        EXPECT_EQ(reader.nodecount(QStringLiteral("//word"), QStringLiteral("\\XML\\gre.xml")), 0)
            << name;
        reader.loadxmlword(QStringLiteral("//word"), QStringLiteral("\\XML\\gre.xml"));
        EXPECT_EQ(modglobal::wordlist, QStringList({""})) << name;
    }
    EXPECT_TRUE(fakes.dialogs.shown.empty());
}

TEST_F(readxmltest, WritesChangeMemoryOnlyAndCheckTheirPosition)
{
    file(testsupport::flatxml(three));
    const QByteArray before = fakes.read("XML/gre.xml");
    loadall();
    reader.writeusage("2", "new text");
    reader.writeword("0.5", "zero");
    reader.writemeaning("3", "end");
    EXPECT_EQ(reader.readusage("2"), "new text");
    EXPECT_EQ(reader.readword("0"), "zero");
    EXPECT_EQ(reader.readmeaning("3"), "end");
    EXPECT_EQ(failure([&] { reader.writeusage("4", "x"); }), error::outofrange);
    EXPECT_EQ(failure([&] { reader.writeword("two", "x"); }), error::typemismatch);
    EXPECT_EQ(modglobal::usagelist.size(), 4);
    EXPECT_EQ(fakes.read("XML/gre.xml"), before);
}

TEST_F(readxmltest, MoreThan32767ElementsOverflowBeforeTheListChanges)
{
    QByteArray big = "<GRE>";
    for (int i = 0; i < 32768; ++i)
        big += "<word>w</word>";
    file(big + "</GRE>");
    modglobal::wordlist = QStringList({"kept", ""});
    EXPECT_EQ(failure([&] {
                  reader.nodecount(QStringLiteral("//word"), QStringLiteral("\\XML\\gre.xml"));
              }),
              error::overflow);
    EXPECT_EQ(failure([&] {
                  reader.loadxmlword(QStringLiteral("//word"), QStringLiteral("\\XML\\gre.xml"));
              }),
              error::overflow);
    EXPECT_EQ(modglobal::wordlist, QStringList({"kept", ""}));

    file("<GRE>" + QByteArray("<word>w</word>").repeated(32767) + "</GRE>");
    EXPECT_EQ(reader.nodecount(QStringLiteral("//word"), QStringLiteral("\\XML\\gre.xml")), 32767);
}

TEST_F(readxmltest, OldSingleByteFilesAndByteOrderMarksRead)
{
    file("<GRE><word>caf\xe9</word><meaning>\x93quoted\x94 \x80</meaning></GRE>");
    loadall();
    EXPECT_EQ(modglobal::wordlist.front(), QString::fromUtf8("café"));
    EXPECT_EQ(modglobal::meaninglist.front(), QString::fromUtf8("“quoted” €"));

    QByteArray utf16("\xff\xfe", 2);
    const QString text = QStringLiteral("<GRE><word>na\u00efve</word></GRE>");
    utf16.append(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
    file(utf16);
    loadall();
    EXPECT_EQ(modglobal::wordlist.front(), QString::fromUtf8("naïve"));
}

TEST_F(readxmltest, EntitiesStayUnexpandedAndExternalFilesUnread)
{
    fakes.write("secret.txt", "top secret");
    file("<?xml version=\"1.0\"?>\n<!DOCTYPE GRE [<!ENTITY lol \"lol\">"
         "<!ENTITY xxe SYSTEM \"file://" +
         fakes.path("secret.txt").toUtf8() +
         "\">]>\n<GRE><word>&lol;</word><meaning>&xxe;</meaning></GRE>");
    loadall();
    EXPECT_FALSE(modglobal::meaninglist.front().contains("secret"));
    EXPECT_EQ(modglobal::wordlist.front(), "&lol;")
        << "the document loads; the entity stays as written";
}

TEST_F(readxmltest, InvalidSelectionIsAParseError)
{
    file(testsupport::flatxml(three));
    EXPECT_EQ(
        failure([&] { reader.nodecount(QStringLiteral("//["), QStringLiteral("\\XML\\gre.xml")); }),
        error::parse);
}

TEST_F(readxmltest, SelectTextsParsesATextDirectly)
{
    EXPECT_EQ(selecttexts("<a><word>x</word><b><word>y</word></b></a>", "//word"),
              QStringList({"x", "y"}));
    EXPECT_FALSE(selecttexts("<a><word>x</a>", "//word").has_value());
}

} // namespace

namespace {

TEST_F(readxmltest, OneParseLoadsWhatTheCountAndTheThreeLoadsWould)
{
    const std::vector<QByteArray> files{
        testsupport::flatxml(three),
        "<GRE><word>a</word><meaning>ma</meaning><word>b</word></GRE>",
        "<x><usage>u</usage><y><word>w</word></y></x>",
        "<GRE><word>broken</GRE>",
        "caf\xe9 is not xml",
        "<GRE><word>caf\xe9</word></GRE>",
        "\xef\xbb\xbf<GRE><word>bom</word></GRE>"};
    for (const QByteArray &content : files) {
        file(content);
        const qint16 count = reader.nodecount("//word", "\\XML\\gre.xml");
        loadall();
        const QStringList words = modglobal::wordlist, meanings = modglobal::meaninglist,
                          usages = modglobal::usagelist;
        modglobal::wordlist = modglobal::meaninglist = modglobal::usagelist = {"stale"};
        const int before = readxml::parsecount();
        EXPECT_EQ(reader.loadxmlall("\\XML\\gre.xml"), count) << content.toStdString();
        EXPECT_EQ(readxml::parsecount() - before, 1) << "one parse: " << content.toStdString();
        EXPECT_EQ(modglobal::wordlist, words);
        EXPECT_EQ(modglobal::meaninglist, meanings);
        EXPECT_EQ(modglobal::usagelist, usages);
    }
}

TEST_F(readxmltest, OneParseLoadRefusesOversizedKindsBeforeChangingAnything)
{
    file("<GRE><word>w</word>" + QByteArray("<usage>u</usage>").repeated(32768) + "</GRE>");
    modglobal::wordlist = {"kept", ""};
    modglobal::usagelist = {"kept too", ""};
    EXPECT_EQ(failure([&] { reader.loadxmlall("\\XML\\gre.xml"); }), error::overflow);
    EXPECT_EQ(modglobal::wordlist, QStringList({"kept", ""}));
    EXPECT_EQ(modglobal::usagelist, QStringList({"kept too", ""}));
}

} // namespace
