// SPDX-License-Identifier: GPL-3.0-or-later
// How long a learner waits for a word list to come in. Run with tools/dev bench.

#include "import/csvreader.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
