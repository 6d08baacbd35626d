// SPDX-License-Identifier: GPL-3.0-or-later
// How long a learner waits for a word list to come in. Run with tools/dev bench.

#include "import/ankipackage.h"
#include "import/csvreader.h"
#include "import/packages.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// A spreadsheet's export: quoted meanings with commas, some HTML, a usage for every word.
QByteArray csvList(int rows)
{
    QByteArray bytes("Word,Meaning,Example\r\n");
    for (int row = 0; row < rows; ++row) {
        const QByteArray number = QByteArray::number(row);
        bytes += "word" + number + ",\"a meaning, number " + number + "\",<i>An example of word" +
                 number + " in a sentence.</i>\r\n";
    }
    return bytes;
}

// From the file on disk to the entries, as an import does.
void import_csv(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.csv"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(csvList(int(state.range(0)))) < 0)
        state.SkipWithError("cannot write the list");
    file.close();
    for (auto _ : state) {
        const QList<importer::Entry> entries =
            importer::toEntries(importer::readCsvFile(path).table);
        if (entries.size() != state.range(0))
            state.SkipWithError("the list did not read whole");
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(import_csv)->Arg(32767)->Unit(benchmark::kMillisecond)->UseRealTime();

// A deck of long notes in letters a compressor cannot shrink much, with a review history, so
// that the package itself is range(0) megabytes.
QByteArray bigPackage(const QString &folder, int megabytes)
{
    std::mt19937 random(7);
    std::uniform_int_distribution<int> letter('a', 'z');
    auto text = [&](int length) {
        QString result(length, QLatin1Char(' '));
        for (int i = 0; i < length; i += 1 + i % 7)
            result[i] = QLatin1Char(char(letter(random)));
        return result;
    };
    const qint64 noteType = 1;
    std::vector<testPackages::Note> notes;
    std::vector<testPackages::Review> reviews;
    const int count = megabytes * 840;
    for (int i = 0; i < count; ++i) {
        notes.push_back({i + 1, noteType, text(12) + QChar(0x1f) + text(3000)});
        if (i % 4 == 0)
            reviews.push_back({1700000000000 + i * 1000, i + 1, 1 + i % 4});
    }
    const QByteArray database = testPackages::collection(
        folder, testPackages::Schema::v18, {{noteType, {"Front", "Back"}}}, notes, reviews);
    return testPackages::zip(folder, {{"collection.anki21b", testPackages::zstd(database)},
                                      {"collection.anki2", QByteArray("dummy")}});
}

void import_apkg(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("deck.apkg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(bigPackage(folder.path(), int(state.range(0)))) < 0)
        state.SkipWithError("cannot write the package");
    state.counters["megabytes"] = double(file.size()) / (1024 * 1024);
    file.close();
    for (auto _ : state) {
        const importer::AnkiPackage package =
            importer::readAnkiPackageFile(path, {.withReviews = true});
        if (package.table.rows.isEmpty() || package.reviews.isEmpty())
            state.SkipWithError("the package did not read");
        benchmark::DoNotOptimize(package);
    }
}
BENCHMARK(import_apkg)->Arg(50)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
