// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/readxml.h"
#include "platform/error.h"
#include "support/fakes.h"

#include <QFile>
#include <QSignalSpy>
#include <QThread>
#include <gtest/gtest.h>

using namespace core;

using platform::Error;
using testsupport::flatXml;

namespace {

const QString gre = QStringLiteral("\\XML\\gre.xml");

Error::Kind failure(const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const Error &e) {
        return e.message().isEmpty() ? Error::database : e.kind();
    }
    return Error::database;
}

// The three lists as "word/word|meaning|usage", each with its empty end position.
QString lists(const Dictionary &dictionary)
{
    return dictionary.words().join('/') + '|' + dictionary.meanings().join('/') + '|' +
           dictionary.usages().join('/');
}

TEST(dictionary, LoadsTheThreeKindsInOneParse)
{
    const std::vector<std::pair<QByteArray, QString>> table{
        {flatXml({{"abate", "(v.) lessen", "It abated."}, {"belie", "m", "u"}}),
         "abate/belie/|(v.) lessen/m/|It abated./u/"},
        {"<?xml version=\"1.0\"?><l><s><e><word>one</word><meaning>a &amp; b</meaning></e></s>"
         "<e><meaning>a <i>nested</i> <b>text</b> &lt;x&gt;</meaning><word><![CDATA[x < y]]>"
         "</word><usage>\n  padded &#13;\n</usage></e><a><b><word>three</word></b></a></l>",
         "one/x < y/three/|a & b/a nested text <x>/|padded/"},
        {"\xef\xbb\xbf<GRE><word>caf\xc3\xa9</word></GRE>", "café/||"},
        {"<GRE><word>caf\xe9</word><usage>\x93q\x94 \x80</usage></GRE>", "café/||“q” €/"},
        {"<GRE><word>\xef\xbb\xbfw</word></GRE>", QStringLiteral("\ufeffw/||")}};
    // Missing, malformed and binary files are the hostile files' suite (guards).
    for (const auto &[bytes, expected] : table) {
        testsupport::FakeServices fakes;
        fakes.write("XML/gre.xml", bytes);
        Dictionary dictionary(fakes.appInfo.folder);
        QSignalSpy loaded(&dictionary, &Dictionary::loaded);
        const qint16 count = dictionary.load(gre);
        EXPECT_EQ(count, dictionary.words().size() - 1);
        EXPECT_EQ(lists(dictionary), expected);
        EXPECT_EQ(dictionary.parseCount() + loaded.count(), 2) << "one parse, one signal";
    }
}

TEST(dictionary, APrefetchServesOnlyTheLoadOfTheSameUnchangedFile)
{
    testsupport::FakeServices fakes;
    fakes.write("XML/gre.xml", flatXml({{"early", "m", "u"}}));
    fakes.write("XML/mine.xml", flatXml({{"mine", "m", "u"}}));
    Dictionary dictionary(fakes.appInfo.folder);
    dictionary.prefetch(gre);
    EXPECT_EQ(dictionary.load(gre), 1);
    EXPECT_EQ(lists(dictionary) + QString::number(dictionary.parseCount()), "early/|m/|u/1");
    // Written over with as many bytes once the prefetch has read it: its size and time stamp
    // may well be unchanged.
    dictionary.prefetch(gre);
    QThread::msleep(200);
    fakes.write("XML/gre.xml", flatXml({{"later", "m", "u"}}));
    dictionary.load(gre);
    EXPECT_EQ(lists(dictionary), "later/|m/|u/");
    dictionary.prefetch(gre);
    dictionary.load("\\XML\\mine.xml");
    EXPECT_EQ(lists(dictionary) + QString::number(dictionary.parseCount()), "mine/|m/|u/3");
    fakes.write("XML/gre.xml", "<GRE>" + QByteArray("<word>w</word>").repeated(32768) + "</GRE>");
    dictionary.prefetch(gre);
    EXPECT_EQ(failure([&] { dictionary.load(gre); }), Error::overflow);
    EXPECT_EQ(dictionary.path(), "\\XML\\mine.xml");
}

TEST(dictionary, MoreThan32767OfAKindThrowsBeforeAnythingChanges)
{
    testsupport::FakeServices fakes;
    fakes.write("XML/mine.xml", flatXml({{"kept", "m", "u"}}));
    fakes.write("XML/gre.xml",
                "<GRE><word>w</word>" + QByteArray("<usage>u</usage>").repeated(32768) + "</GRE>");
    Dictionary dictionary(fakes.appInfo.folder);
    dictionary.load("/XML/mine.xml");
    QSignalSpy loaded(&dictionary, &Dictionary::loaded);
    EXPECT_EQ(failure([&] { dictionary.load(gre); }), Error::overflow);
    EXPECT_EQ(dictionary.path() + lists(dictionary), "/XML/mine.xmlkept/|m/|u/");
    EXPECT_EQ(dictionary.count() + loaded.count(), 1);
    EXPECT_EQ(failure([&] { ReadXml(dictionary).loadXmlUsage("//usage", gre); }), Error::overflow);
    EXPECT_EQ(dictionary.usages().size(), 2);
    fakes.write("XML/gre.xml", "<GRE>" + QByteArray("<word>w</word>").repeated(32767) + "</GRE>");
    EXPECT_EQ(dictionary.load(gre), 32767);
}

TEST(ReadXml, PositionsAsTextRoundHalfToEvenAndAreChecked)
{
    testsupport::FakeServices fakes;
    fakes.write("XML/gre.xml", flatXml({{"w0", "m0", ""}, {"w1", "", ""}, {"w2", "", ""}}));
    Dictionary dictionary(fakes.appInfo.folder);
    ReadXml reader(dictionary);
    EXPECT_EQ(reader.loadXmlAll(gre), 3);
    const std::vector<std::pair<const char *, const char *>> found{
        {"1.5", "w2"}, {"2.5", "w2"},  {"0.5", "w0"}, {"-0.4", "w0"},
        {" 2 ", "w2"}, {"1.51", "w2"}, {"1e0", "w1"}, {"3", ""}};
    for (const auto &[position, word] : found)
        EXPECT_EQ(reader.readWord(QLatin1String(position)), QLatin1String(word)) << position;
    const std::vector<std::pair<const char *, Error::Kind>> refused{
        {"", Error::typeMismatch}, {"x", Error::typeMismatch}, {"nan", Error::typeMismatch},
        {"1e12", Error::overflow}, {"3.5", Error::outOfRange}, {"-1", Error::outOfRange}};
    for (const auto &[position, kind] : refused)
        EXPECT_EQ(failure([&] { reader.readUsage(QLatin1String(position)); }), kind) << position;
    reader.writeUsage("0.5", "new");
    EXPECT_EQ(failure([&] { reader.writeMeaning("4", "x"); }), Error::outOfRange);
    reader.loadXmlMeaning("//meaning[. != '']", gre);
    EXPECT_EQ(failure([&] { reader.nodeCount("//[", gre); }), Error::parse);
    EXPECT_EQ(lists(dictionary), "w0/w1/w2/|m0/|new///");
}

TEST(dictionary, SavesTheFlatLayoutAndTheShippedFileUnchanged)
{
    // Every kind of text loads back from the writer's file in the fuzz findings' suite.
    EXPECT_EQ(dictionaryBytes({"a&b", "c"}, {"<m>"}, {"u\r\nv", "x\ry\nz"}, 2, FinalLine::empty),
              "<GRE>\r\n<word>a&amp;b</word>\r\n<meaning>&lt;m&gt;</meaning>\r\n<usage>u&#13;\nv"
              "</usage>\r\n<word>c</word>\r\n<meaning></meaning>\r\n<usage>x&#13;y\nz</usage>\r\n"
              "</GRE>\r\n\r\n");
    EXPECT_EQ(dictionaryBytes({"w"}, {}, {}, 0, FinalLine::none), "<GRE>\r\n</GRE>\r\n");
    // The shipped dictionary is in the writer's layout: saved unchanged, no byte changes.
    testsupport::FakeServices fakes;
    Dictionary dictionary(fakes.appInfo.folder);
    QFile shipped(QStringLiteral(VOCABRIX_SOURCE_DATA "/XML/gre.xml"));
    ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
    fakes.write("XML/gre.xml", shipped.readAll());
    EXPECT_GT(dictionary.load(gre), 1500);
    dictionary.save(fakes.files, FinalLine::empty);
    EXPECT_EQ(fakes.read("XML/gre.xml"), (shipped.seek(0), shipped.readAll()));
}

} // namespace
