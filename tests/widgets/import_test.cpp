// SPDX-License-Identifier: GPL-3.0-or-later
// Word lists from elsewhere become dictionaries through the import dialog, only once the
// learner confirms; an Anki history joins the progress only with consent, and only once.

#include "import/csvreader.h"
#include "import/packages.h"
#include "program.h"

using namespace core;

namespace {

struct program : Program
{
    explicit program(FakeServices &fakes) : Program(fakes, numberedWords(2)) {}
    // File › Import Word List on a file; the dialog, once it shows.
    QWidget *importing(const QString &file)
    {
        fakes.dialogs.expectOpenName(fakes.path(file));
        click(&window, "mnuImportWords");
        return shown("FormImport");
    }
    // The words Next shows, once round the list.
    QStringList askedWords()
    {
        QStringList asked;
        for (int step = 1; step < window.dictionary().count(); ++step) {
            click(&window, "Command2(1)");
            asked << window.reviewSession().word();
        }
        asked.sort();
        return asked;
    }
    void confirm(QWidget *dialog, const QString &name)
    {
        auto *box = control<QLineEdit>(dialog, "dictionaryNameBox");
        box->selectAll();
        QTest::keyClicks(box, name);
        click(dialog, "importButton");
    }
};

} // namespace

TEST(Import, CsvBecomesADictionaryAndExportsToTheSameEntries)
{
    FakeServices fakes;
    program vocabrix(fakes);
    fakes.write("list.csv", "Term,Definition,Example\r\nabate,\"to lessen, reduce\",\"It abated.\n"
                            "Then it stopped.\"\r\nzeal,eagerness,\r\n");
    QWidget *dialog = vocabrix.importing("list.csv");
    ASSERT_TRUE(dialog);
    auto *table = control<QTableWidget>(dialog, "previewTable");
    EXPECT_EQ(table->item(0, 1)->text(), "to lessen, reduce");
    auto *separator = control<QComboBox>(dialog, "separatorChoice");
    QTest::keyClick(separator, Qt::Key_Down); // a semicolon: one column, the preview follows
    EXPECT_EQ(table->columnCount(), 1);
    QTest::keyClick(separator, Qt::Key_Up);
    EXPECT_EQ(table->columnCount(), 3);
    QTest::keyClick(control<QComboBox>(dialog, "usageColumnChoice"), Qt::Key_Home);
    EXPECT_TRUE(control<QLabel>(dialog, "entryCountLabel")->text().endsWith(": 2"));
    EXPECT_EQ(fakes.files.writes, 0);

    vocabrix.confirm(dialog, QStringLiteral("mine"));
    EXPECT_FALSE(dialog->isVisible());
    const Dictionary &words = vocabrix.window.dictionary();
    EXPECT_EQ(words.meanings().mid(1, 2), QStringList({"to lessen, reduce", "eagerness"}));
    EXPECT_EQ(vocabrix.askedWords(), QStringList({"abate", "zeal"}));

    // Out and in again: the same words, every one asked, the heading still once.
    const QStringList imported = words.words();
    fakes.dialogs.expectSaveName(fakes.path("out.csv"));
    click(&vocabrix.window, "mnuExportWords");
    EXPECT_EQ(
        importer::toEntries(importer::readCsvFile(fakes.path("out.csv")).table),
        QList<importer::Entry>({{"abate", "to lessen, reduce", ""}, {"zeal", "eagerness", ""}}));
    dialog = vocabrix.importing("out.csv");
    ASSERT_TRUE(dialog);
    vocabrix.confirm(dialog, QStringLiteral("again"));
    EXPECT_EQ(words.words(), imported);
    fakes.dialogs.expectSaveName(fakes.path("again.csv"));
    click(&vocabrix.window, "mnuExportWords");
    EXPECT_EQ(fakes.read("again.csv"), fakes.read("out.csv"));

    // The same name again: asked first; "no" keeps the file and the dialog.
    const QByteArray written = fakes.read("XML/mine.xml");
    fakes.write("other.tsv", "x\ty\r\n");
    dialog = vocabrix.importing("other.tsv");
    ASSERT_TRUE(dialog);
    fakes.dialogs.expectStart("A dictionary named mine.xml exists already", platform::Answer::no);
    vocabrix.confirm(dialog, QStringLiteral("mine"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(fakes.read("XML/mine.xml"), written);
    fakes.dialogs.expectStart("A dictionary named mine.xml exists already", platform::Answer::yes);
    click(dialog, "importButton");
    EXPECT_EQ(vocabrix.window.dictionary().word(1), "x");
}

TEST(Import, AnkiHistoryComesAlongOnlyWithConsentAndOnlyOnce)
{
    using namespace testPackages;
    FakeServices fakes;
    program vocabrix(fakes);
    const QChar separator(0x1f);
    fakes.write(
        "deck.apkg",
        zip(fakes.path(""), {{"collection.anki2",
                              collection(fakes.path(""), Schema::legacy, {{1, {"Front", "Back"}}},
                                         {{1, 1, "Gregarious" + QString(separator) + "sociable"},
                                          {2, 1, "laconic" + QString(separator) + "terse"}},
                                         {{1700000000000, 1, 1}, {1700000100000, 1, 3}})}}));
    for (const auto &[consent, reviews] :
         std::vector<std::pair<bool, qint64>>{{false, 0}, {true, 2}, {true, 2}}) {
        QWidget *dialog = vocabrix.importing("deck.apkg");
        ASSERT_TRUE(dialog);
        if (consent)
            click(dialog, "reviewHistoryCheck");
        // A free name is offered; the taken one is only replaced after a question.
        EXPECT_EQ(control<QLineEdit>(dialog, "dictionaryNameBox")->text(),
                  consent ? "deck 2" : "deck");
        if (QFile::exists(fakes.path("XML/deck.xml")))
            fakes.dialogs.expectStart("A dictionary named deck.xml", platform::Answer::yes);
        vocabrix.confirm(dialog, QStringLiteral("deck"));
        EXPECT_EQ(vocabrix.window.dictionary().count(), 3);
        EXPECT_EQ(vocabrix.window.learnerMemory().reviewCount(), reviews);
    }
    const auto history = vocabrix.window.learnerMemory().reviews();
    EXPECT_EQ(history[0].word, "gregarious");
    EXPECT_EQ(history[0].rating, learning::Rating::Again);
    EXPECT_EQ(history[1].source, "anki");
}

// A bad file is told, and nothing written; each kind of list gives its entries.
TEST(Import, ABadFileIsToldWithoutAWriteAndQuizletKvtmlAndNewAnkiGiveTheirEntries)
{
    using namespace testPackages;
    FakeServices fakes;
    program vocabrix(fakes);
    fakes.write("broken.apkg", "PK\x03\x04 cut short");
    fakes.write("binary.csv", QByteArray("\x00\x01\x02\x03word", 8));
    fakes.dialogs.expectStart("The file is not a complete zip archive");
    EXPECT_FALSE(vocabrix.importing("broken.apkg"));
    fakes.dialogs.expectStart("The file is not a text file");
    EXPECT_FALSE(vocabrix.importing("binary.csv"));
    EXPECT_EQ(fakes.files.writes, 0);

    const QString f = fakes.path(""), fields = "zeal\x1f<i>eagerness</i>";
    const QByteArray v18 = collection(f, Schema::v18, {{5, {"Word", "Meaning"}}}, {{1, 5, fields}});
    const std::vector<std::tuple<QString, QByteArray, QString>> table{
        {"quizlet.txt", "zeal\tgreat \"eagerness\"\nabate\tlessen\n", "great \"eagerness\"|"},
        {"parley.kvtml",
         "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/><identifier "
         "id=\"1\"/></identifiers><entries><entry id=\"0\"><translation id=\"0\">"
         "<text>zeal</text><example>Her zeal.</example></translation><translation "
         "id=\"1\"><text>Eifer</text></translation></entry></entries></kvtml>",
         "Eifer|Her zeal."},
        {"new.apkg",
         zip(f, {{"collection.anki2", collection(f, Schema::legacy, {}, {})},
                 {"collection.anki21b", zstd(v18)}}),
         "eagerness|"}};
    for (const auto &[file, bytes, zeal] : table) {
        fakes.write(file, bytes);
        QWidget *dialog = vocabrix.importing(file);
        ASSERT_TRUE(dialog) << file.toStdString();
        vocabrix.confirm(dialog, file.section('.', 0, 0));
        const Dictionary &words = vocabrix.window.dictionary();
        EXPECT_EQ(words.word(1) + ' ' + words.meaning(1) + '|' + words.usage(1), "zeal " + zeal);
    }
}

TEST(Import, AOneLanguageKdeListBringsItsDefinitionsAndNoListComesWithoutMeanings)
{
    FakeServices fakes;
    program vocabrix(fakes);
    // A list in one language, as Parley saves it: each definition in the comment.
    fakes.write("gre.kvtml", R"(<kvtml version="2.0"><identifiers><identifier id="0"><name>English
</name></identifier></identifiers><entries><entry id="0"><translation id="0"><text>abate</text>
<comment>make less active or intense</comment><example>The storm did not abate until dawn.
</example></translation></entry><entry id="1"><translation id="0"><text>laconic</text><comment>
brief and to the point</comment></translation></entry><entry id="2"><translation id="0"><text>
zeal</text><comment>eager interest</comment></translation></entry></entries></kvtml>)");
    QWidget *dialog = vocabrix.importing("gre.kvtml");
    ASSERT_TRUE(dialog);
    auto *meaning = control<QComboBox>(dialog, "meaningColumnChoice");
    auto *count = control<QLabel>(dialog, "entryCountLabel");
    auto *import = control<QWidget>(dialog, "importButton");
    EXPECT_EQ(meaning->currentText(), "Comment");
    // Each choice of the meaning column: what the dialog says, and whether it imports.
    // (none), English, Example, Comment, Paraphrase (in no entry here).
    const std::vector<std::tuple<Qt::Key, const char *, bool>> choices{
        {Qt::Key_Home, "No meanings: choose the column that holds the meanings;", false},
        {Qt::Key_End, "No meanings: the column Paraphrase is empty;", false},
        {Qt::Key_Up, "Entries to import: 3", true},
        {Qt::Key_Up, "Entries to import: 3 (2 without a meaning)", true},
        {Qt::Key_Down, "Entries to import: 3", true}};
    for (const auto &[key, told, imports] : choices) {
        QTest::keyClick(meaning, key);
        const QString shown = count->text();
        EXPECT_TRUE(imports ? shown == told : shown.startsWith(told)) << shown.toStdString();
        EXPECT_EQ(import->isEnabled(), imports) << told;
    }
    vocabrix.confirm(dialog, QStringLiteral("gre words"));
    const Dictionary &words = vocabrix.window.dictionary();
    EXPECT_EQ(
        words.meanings().mid(1, 3),
        QStringList({"make less active or intense", "brief and to the point", "eager interest"}));
    EXPECT_EQ(words.usage(1), "The storm did not abate until dawn.");
    EXPECT_EQ(vocabrix.askedWords(), QStringList({"abate", "laconic", "zeal"}));
}
