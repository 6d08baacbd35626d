// SPDX-License-Identifier: GPL-3.0-or-later
#include "packages.h"

#include <QTimeZone>

using namespace testPackages;

namespace {

const QChar separator(0x1f);

// Anki's own stub in new packages, for versions that cannot read the real collection.
QByteArray stub(const QString &folder)
{
    return collection(folder, Schema::legacy, {{7, {"Front", "Back"}}},
                      {{1, 7, "Please update to the latest Anki version" + QString(separator)}});
}

QByteArray v18(const QString &folder)
{
    return collection(
        folder, Schema::v18,
        {{5, {"Example", "Word", "Meaning"}},
         {6, {"meaning", "Word", "Extra"}},
         {7, {"Meaning", "Word"}},
         {8, {"Meaning", "Word", "Example"}}},
        {{20, 5, QStringList{"A <i>zealous</i> fan.", "zealous", "eager"}.join(separator)},
         {10, 5, QStringList{"", "abate", "to lessen"}.join(separator)},
         {30, 6, QStringList{"avid", "keen", "note"}.join(separator)},
         {40, 7, QStringList{"to shun", "eschew"}.join(separator)},
         {50, 8, QStringList{"rash", "brash", "A brash remark."}.join(separator)}},
        {{1700000000000, 10, 3}, {1700000100000, 20, 1}, {1700000200000, 10, 0}});
}

TEST(anki, ReadsEachSchemaAndPrefersTheNewestCollection)
{
    QTemporaryDir folder;
    const QString f = folder.path();
    const QByteArray legacy =
        collection(f, Schema::legacy, {{1, {"Front", "Back"}}},
                   {{1, 1, "gregarious" + QString(separator) + "sociable<br>friendly"}});
    const char *legacyEntries = "gregarious|sociable friendly|";
    // A note of another type lines up by field name, the rest in the columns left.
    // Fewer fields, or the same in another order, line up too.
    const char *v18Entries = "abate|to lessen|/zealous|eager|A zealous fan./keen|avid|note/"
                             "eschew|to shun|/brash|rash|A brash remark.";
    const std::vector<std::pair<Members, const char *>> table{
        {{{"collection.anki2", legacy}}, legacyEntries},
        {{{"collection.anki2", stub(f)}, {"collection.anki21", legacy}}, legacyEntries},
        {{{"collection.anki2", stub(f)},
          {"collection.anki21", stub(f)},
          {"collection.anki21b", zstd(v18(f))}},
         v18Entries},
        {{{"collection.anki21", v18(f)}}, v18Entries}};
    for (const auto &[members, entries] : table) {
        const AnkiPackage package = readAnkiPackage(zip(f, members));
        EXPECT_EQ(text(toEntries(package.table)), entries) << members.size();
        EXPECT_TRUE(package.reviews.isEmpty());
    }
    zip(f, {{"collection.anki21b", zstd(v18(f))}});
    const AnkiPackage package = readAnkiPackageFile(folder.filePath("built.zip"), {true});
    EXPECT_EQ(package.table.columns, QStringList({"Example", "Word", "Meaning"}));
    EXPECT_EQ(package.table.mapping, Mapping({1, 2, 0}));
    const QDateTime at = QDateTime::fromMSecsSinceEpoch(1700000000000, QTimeZone::utc());
    EXPECT_EQ(importedReviews(package, package.table.mapping),
              QList<ImportedReview>({{"abate", at, 3}, {"zealous", at.addSecs(100), 1}}));
    // A package opened as a word list brings its history too.
    ASSERT_TRUE(QFile::copy(folder.filePath("built.zip"), folder.filePath("deck.apkg")));
    const WordListFile file = readWordListFile(folder.filePath("deck.apkg"));
    EXPECT_EQ(file.importedReviews(file.table.mapping),
              importedReviews(package, package.table.mapping));
    // Without a word column, or with one past a note's fields, no review has a word to go to.
    EXPECT_TRUE(importedReviews(package, {-1, 2, 0}).isEmpty());
    EXPECT_TRUE(importedReviews(package, {7, 2, 0}).isEmpty());
}

TEST(anki, RefusesWhatIsNoCollectionWithAMessage)
{
    QTemporaryDir folder;
    const QString f = folder.path();
    const QByteArray zeros(2 * 1024 * 1024, '\0');
    const QByteArray whole = zip(f, {{"collection.anki2", stub(f)}});
    const QByteArray emptyCollection = collection(f, Schema::legacy, {}, {});
    // A database of other tables: every "notes" renamed, which keeps the file consistent.
    const QByteArray other = QByteArray(emptyCollection).replace("notes", "nopes");
    const std::vector<std::pair<QByteArray, const char *>> table{
        {zip(f, {{"collection.anki21", zeros}}), "zip bomb"},
        {zip(f, {{"collection.anki21b", zstd(zeros)}}), "zip bomb"},
        {zip(f, {{"collection.anki21b", zstd(zeros, false)}}), "zip bomb"},
        {whole.first(whole.size() / 2), "not a complete zip"},
        {whole.first(whole.size() - 10), "not a complete zip"},
        {zip(f, {{"deck.txt", "word,meaning"}}), "holds no Anki collection"},
        {zip(f, {{"Collection.anki2", stub(f)}}), "holds no Anki collection"},
        {zip(f, {{"collection.anki2", other}}), "no Anki collection: the database"},
        {zip(f, {{"collection.anki2", "just text"}}), "not a SQLite database"},
        {zip(f, {{"collection.anki2", "just text, though longer than a database's header"}}),
         "not a SQLite database"},
        {zip(f, {{"collection.anki21b", stub(f)}}), "not valid zstd"},
        {zip(f, {{"collection.anki21b", zstd(stub(f)).chopped(5)}}), "not valid zstd"}};
    EXPECT_NO_THROW(readAnkiPackage(zip(f, {{"collection.anki2", emptyCollection}})));
    for (const auto &[bytes, problem] : table)
        EXPECT_TRUE(errorOf([&] {
                        readAnkiPackage(bytes, {false, 1024 * 1024});
                    }).contains(QLatin1String(problem)))
            << problem;
    EXPECT_THROW(readAnkiPackageFile(folder.filePath("missing.apkg")), platform::Error);
}

} // namespace
