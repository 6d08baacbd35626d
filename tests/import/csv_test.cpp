// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/csvreader.h"
#include "import/csvwriter.h"
#include "import/htmltext.h"
#include "platform/error.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace importer;

namespace importer {
void PrintTo(const Entry &e, std::ostream *out)
{
    *out << '{' << e.word.toStdString() << '|' << e.meaning.toStdString() << '|'
         << e.usage.toStdString() << '}';
}
} // namespace importer

namespace {

QString u8(const char *text)
{
    return QString::fromUtf8(text);
}

TEST(csv, ReadsSpreadsheetAnkiAndQuizletFiles)
{
    struct Case
    {
        QByteArray bytes;
        QList<Entry> entries;
        QChar separator;
        Quoting quoting = Quoting::Quoted;
    };
    const std::vector<Case> table{
        {"Word,Meaning,Example\r\n\"abate\",\"to lessen, reduce\",\"It \"\"abated\"\".\nAt last."
         "\"\r\n\r\nzeal,<i>passion</i>,\r\n,orphan meaning\r\n",
         {{"abate", "to lessen, reduce", "It \"abated\". At last."}, {"zeal", "passion", ""}},
         u','},
        {"Haus;house, home\nBaum;tree\n",
         {{"Haus", "house, home", ""}, {"Baum", "tree", ""}},
         u';'},
        {"\"ok\" sign\tgesture, thumbs up\nsay \"hi\"\tto greet\n\"open\tnot closed\n",
         {{"\"ok\" sign", "gesture, thumbs up", ""},
          {"say \"hi\"", "to greet", ""},
          {"\"open", "not closed", ""}},
         u'\t',
         Quoting::Literal},
        {"#separator:Tab\n#html:false\n#columns:Front\tBack\n\"two\nlines\"\ta <b>\n",
         {{"two\nlines", "a <b>", ""}},
         u'\t'},
        {"#separator:Semicolon\n#html:true\n#notetype:Basic\n#columns:Back;Front;Notes\n"
         "#tags column:4\n<b>meaning</b>;\"word&amp;co\";note;tag1\n",
         {{"word&co", "meaning", ""}},
         u';'},
        {"#separator:Pipe\nfoo|bar|baz\n", {{"foo", "bar", "baz"}}, u'|'},
        {"#separator:tab\n#tags column:3\nfront\tback\ttag\n",
         {{"front", "back", ""}},
         u'\t',
         Quoting::Literal},
        {"\xef\xbb\xbf"
         "caf\xc3\xa9,coffee\rtea,th\xc3\xa9\r",
         {{u8("café"), "coffee", ""}, {"tea", u8("thé"), ""}},
         u','},
        {"caf\xe9,\x93"
         "coffee\x94",
         {{u8("café"), u8("“coffee”"), ""}},
         u','},
        {QByteArray("\xfe\xff\xd8\x00\x00"
                    "a\x00,\x00"
                    "b",
                    10),
         {{u8("\uFFFDa"), "b", ""}},
         u','},
    };
    for (const Case &c : table) {
        const CsvTable read = readCsv(c.bytes);
        EXPECT_EQ(toEntries(read.table), c.entries) << c.bytes.toStdString();
        EXPECT_EQ(toEntries(readCsv(csvBytes(c.entries)).table), c.entries);
        EXPECT_EQ(read.separator, c.separator) << c.bytes.toStdString();
        EXPECT_EQ(read.quoting, c.quoting) << c.bytes.toStdString();
    }
    EXPECT_EQ(readCsv("caf\xe9,x").encoding, TextEncoding::Windows1252);
    EXPECT_EQ(readCsv("a;b,c", {QChar(u';')}).table.rows, (QList<QStringList>{{"a", "b,c"}}));
}

TEST(csv, UnterminatedQuoteNamesItsLine)
{
    const std::vector<std::pair<QByteArray, const char *>> table{
        {"a,b\nc,\"d\ne,f\n", "Line 2"},
        {"#html:false\n\"x\ny\",z\nw,\"unclosed", "Line 4"},
        {"\"a\tb\"\tc\n\"d\te\n", "Line 2"},
    };
    for (const auto &[bytes, line] : table) {
        try {
            readCsv(bytes);
            ADD_FAILURE() << bytes.toStdString();
        } catch (const vocabrix::error &error) {
            EXPECT_TRUE(error.message().startsWith(QLatin1String(line))) << error.what();
        }
    }
}

TEST(csv, GuessesTheMappingFromColumnNames)
{
    const std::vector<std::pair<QStringList, Mapping>> table{
        {{"Front", "Back"}, {0, 1, -1}},
        {{"Example", "DEFINITION", "word"}, {2, 1, 0}},
        {{"Word (EN)", "Example sentence", "Meaning"}, {0, 2, 1}},
        {{"Tags", "", ""}, {1, 2, -1}},
        {{"English", "German", "Notes"}, {0, 1, -1}},
        {{"", "", ""}, {0, 1, 2}},
    };
    for (const auto &[columns, mapping] : table)
        EXPECT_EQ(guessMapping(columns), mapping) << columns.join(',').toStdString();
}

TEST(csv, StripsHtmlToText)
{
    const std::vector<std::pair<const char *, QString>> table{
        {"a<br>b<br/>c", "a b c"},
        {"<div>x</div><div>y</div>", "x y"},
        {"&lt;tag&gt; &amp; &#233;&#x41;&nbsp;", u8("<tag> & éA")},
        {"a < b, c<d", "a < b, c<d"},
        {"x<b>bold</b>", "xbold"},
        {"[sound:a.mp3]word<!-- note -->", "word"},
        {"<style>p { }</style>t<script>x</script>", "t"},
        {"&bogus; &#xZZ; &#0;", u8("&bogus; &#xZZ; \uFFFD")},
        {"  spaced \n out  ", "spaced out"},
    };
    for (const auto &[html, text] : table)
        EXPECT_EQ(htmlToText(QString::fromUtf8(html)), text) << html;
}

TEST(csv, ExportedListReadsBackToTheSameEntries)
{
    const QList<Entry> entries{{"plain", "meaning", "usage"},
                               {"comma, word", "a \"quoted\" meaning", "two\nlines\r\nhere"},
                               {u8("Straße"), u8("street — ストリート"), ""},
                               {"#hash", "<b>not bold</b>", "&amp;"}};
    QTemporaryDir folder;
    const QString path = folder.filePath("list.csv");
    writeCsvFile(path, entries);
    const CsvTable read = readCsvFile(path);
    EXPECT_EQ(toEntries(read.table), entries);
    EXPECT_EQ(read.table.columns, QStringList({"Word", "Meaning", "Usage"}));
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_THROW(writeCsvFile(path, {}), vocabrix::error);
    EXPECT_EQ(toEntries(readCsvFile(path).table), entries);
}

TEST(csv, RefusesMoreEntriesThanADictionaryHolds)
{
    QByteArray bytes;
    for (qsizetype row = 0; row <= maxEntries; ++row)
        bytes += "w,m\n";
    const CsvTable read = readCsv(bytes);
    EXPECT_EQ(read.table.rows.size(), maxEntries + 1);
    EXPECT_THROW(toEntries(read.table), vocabrix::error);
}

} // namespace
