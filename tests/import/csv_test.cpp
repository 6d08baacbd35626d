// SPDX-License-Identifier: GPL-3.0-or-later
#include "packages.h"

TEST(csv, ReadsSpreadsheetAnkiAndQuizletFilesAndWritesWhatReadsBack)
{
    struct Case
    {
        QByteArray bytes;
        const char *entries; // as text: word|meaning|usage/...
        char separator;
        Quoting quoting = Quoting::Quoted;
    };
    const std::vector<Case> table{
        {"Word,Meaning,Example\r\n\"abate\",\"to lessen, reduce\",\"It \"\"abated\"\".\nAt last."
         "\"\r\n\r\nzeal,<i>passion</i>,\r\n,orphan meaning\r\n",
         "abate|to lessen, reduce|It \"abated\". At last./zeal|passion|", ','},
        {"Haus;house, home\nBaum;tree\n", "Haus|house, home|/Baum|tree|", ';'},
        {"\"ok\" sign\tgesture, thumbs up\nsay \"hi\"\tto greet\n\"open\tnot closed\n",
         "\"ok\" sign|gesture, thumbs up|/say \"hi\"|to greet|/\"open|not closed|", '\t',
         Quoting::Literal},
        {"#separator:Tab\n#html:false\n#columns:Front\tBack\n\"two\nlines\"\ta <b>\n",
         "two\nlines|a <b>|", '\t'},
        {"#separator:Semicolon\n#html:true\n#notetype:Basic\n#columns:Back;Front;Notes\n"
         "#tags column:4\n<b>meaning</b>;\"word&amp;co\";note;tag1\n",
         "word&co|meaning|", ';'},
        {"#separator:Pipe\nfoo|bar|baz\n", "foo|bar|baz", '|'},
        {"#separator:|\nsemi;colon|a;b;c\n", "semi;colon|a;b;c|", '|'},
        // Guessed from the lines: one is enough, and a first field may be empty.
        {"Baum;tree\n", "Baum|tree|", ';'},
        // A tie goes to the tab, which text holds least; a header is known however spaced.
        {"a\tb;c\nd\te;f\n", "a|b;c|/d|e;f|", '\t', Quoting::Literal},
        {" Word , Meaning \nabate,to lessen\n", "abate|to lessen|", ','},
        {";x,y,z\np;q,r\n", "p|q,r|", ';'},
        {"#separator:tab\n#tags column:3\nfront\tback\ttag\n", "front|back|", '\t',
         Quoting::Literal},
        {"\xef\xbb\xbf"
         "caf\xc3\xa9,coffee\rtea,th\xc3\xa9\r",
         "café|coffee|/tea|thé|", ','},
        {"caf\351,\223coffee\224", "café|“coffee”|", ','},
        // UTF-16 with a lone surrogate, first and last.
        {QByteArray::fromHex("feffd8000061002c0062"), "\uFFFDa|b|", ','},
        {QByteArray::fromHex("feff0061002cd800"), "a|\uFFFD|", ','},
        // One column: a list of words, unless its first line names the column.
        {"abate\nzeal\n", "abate||/zeal||", ','},
        {"Word\nabate\n", "abate||", ','}};
    for (const Case &c : table) {
        const CsvTable read = readCsv(c.bytes);
        const QList<Entry> entries = toEntries(read.table);
        EXPECT_EQ(text(entries), QString::fromUtf8(c.entries)) << c.bytes.toStdString();
        EXPECT_EQ(text(toEntries(readCsv(csvBytes(entries)).table)), text(entries));
        EXPECT_EQ(read.separator, QLatin1Char(c.separator)) << c.bytes.toStdString();
        EXPECT_EQ(read.quoting, c.quoting) << c.bytes.toStdString();
    }
    EXPECT_EQ(readCsv("caf\xe9,x").encoding, TextEncoding::Windows1252);
    EXPECT_EQ(readCsv("a;b,c", {QChar(u';')}).table.rows, (QList<QStringList>{{"a", "b,c"}}));

    // Written to a file with a header row; a read-only file stays as it was.
    // A word that starts with '#' must not read as one of the header lines before it.
    const QList<Entry> entries{{"#note: x", "<b>not bold</b>", "&amp;"},
                               {"comma, word", "a \"quoted\" meaning", "two\nlines\r\nhere"},
                               {"Straße", "street — ストリート", "cr\ronly"}};
    QTemporaryDir folder;
    const QString path = folder.filePath("list.csv");
    writeCsvFile(path, entries);
    EXPECT_EQ(readCsvFile(path).table.columns, QStringList({"Word", "Meaning", "Usage"}));
    QFile::setPermissions(path, QFile::ReadOwner);
    EXPECT_THROW(writeCsvFile(path, {}), platform::Error);
    EXPECT_EQ(text(toEntries(readCsvFile(path).table)), text(entries));
}

TEST(csv, UnterminatedQuoteNamesItsLine)
{
    const std::vector<std::pair<QByteArray, const char *>> table{
        {"a,b\nc,\"d\ne,f\n", "Line 2"},
        {"#html:false\n\"x\ny\",z\nw,\"unclosed", "Line 4"},
        {"\"a\tb\"\tc\n\"d\te\n", "Line 2"},
        {"\"x\ry\"\rw,\"unclosed", "Line 3"}};
    for (const auto &[bytes, line] : table)
        EXPECT_TRUE(errorOf([&] { readCsv(bytes); }).startsWith(QLatin1String(line))) << line;
}

TEST(csv, GuessesTheMappingFromColumnNames)
{
    const std::vector<std::pair<QStringList, Mapping>> table{
        {{"Front", "Back"}, {0, 1, -1}},
        {{"Example", "DEFINITION", "word"}, {2, 1, 0}},
        {{"Word (EN)", "Example sentence", "Meaning"}, {0, 2, 1}},
        {{"Tags", "", ""}, {1, 2, -1}},
        {{"English", "German", "Notes"}, {0, 1, -1}},
        {{"", "", ""}, {0, 1, 2}}};
    for (const auto &[columns, mapping] : table)
        EXPECT_EQ(guessMapping(columns), mapping) << columns.join(',').toStdString();
    // A column without a name is called by its place, counted from one.
    Table unnamed;
    unnamed.columns = QStringList{" ", "Word"};
    EXPECT_EQ(unnamed.columnName(0) + '/' + unnamed.columnName(1) + '/' + unnamed.columnName(2),
              "Column 1/Word/Column 3");
}

TEST(csv, TheSuffixChoosesTheReader)
{
    const std::vector<std::pair<const char *, FileKind>> table{
        {"deck.apkg", FileKind::Anki},   {"All.COLPKG", FileKind::Anki},
        {"list.kvtml", FileKind::Kvtml}, {"words.csv", FileKind::Text},
        {"words.txt", FileKind::Text},   {"apkg", FileKind::Text}};
    for (const auto &[name, kind] : table)
        EXPECT_EQ(fileKind(name), kind) << name;
}

TEST(csv, StripsHtmlToText)
{
    const std::vector<std::pair<const char *, const char *>> table{
        {"a<br>b<br/>c", "a b c"},
        {"<div>x</div><div>y</div>", "x y"},
        {"&lt;tag&gt; &amp; &#233;&#x41;&nbsp;", "<tag> & éA"},
        {"a < b, c<d", "a < b, c<d"},
        {"x<b>bold</b>", "xbold"},
        {"[sound:a.mp3]word<!-- note -->", "word"},
        {"<style>p { }</style>t<script>x</script>", "t"},
        {"&bogus; &#xZZ; &#0;", "&bogus; &#xZZ; \uFFFD"},
        {"  spaced \n out  ", "spaced out"}};
    for (const auto &[html, text] : table)
        EXPECT_EQ(htmlToText(QString::fromUtf8(html)), QString::fromUtf8(text)) << html;
}

TEST(csv, RefusesMoreEntriesThanADictionaryHolds)
{
    QByteArray bytes;
    for (qsizetype row = 0; row <= maxWords; ++row)
        bytes += "w,m\n";
    CsvTable read = readCsv(bytes);
    EXPECT_EQ(read.table.rows.size(), maxWords + 1);
    EXPECT_THROW(toEntries(read.table), platform::Error);
    read.table.rows.removeLast(); // and the heading fills the dictionary
    EXPECT_EQ(toEntries(read.table).size(), maxEntries - 1);
}
