// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a CSV/TSV word list, read with every quoting. Whatever reads, the entries written
// as CSV read back to the same entries.

#include "import/csvreader.h"
#include "import/csvwriter.h"
#include "platform/error.h"

#include <cstdio>
#include <cstdlib>

namespace {

void require(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

void roundTrip(const importer::Table &table)
{
    QList<importer::Entry> entries;
    try {
        entries = importer::toEntries(table);
    } catch (const platform::Error &failure) {
        require(failure.kind() == platform::Error::overflow, "entries fail only on count");
        return;
    }
    try {
        const importer::CsvTable again = importer::readCsv(importer::csvBytes(entries));
        require(importer::toEntries(again.table) == entries,
                "an exported list reads back the same");
    } catch (const platform::Error &) {
        require(false, "an exported list reads back");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const auto quoting :
         {importer::Quoting::Guess, importer::Quoting::Quoted, importer::Quoting::Literal}) {
        importer::CsvOptions options;
        options.quoting = quoting;
        try {
            const importer::CsvTable read = importer::readCsv(bytes, options);
            require(read.table.columns.size() >= read.table.columnCount(),
                    "every column has a name");
            roundTrip(read.table);
        } catch (const platform::Error &failure) {
            require(failure.kind() == platform::Error::parse, "a read fails only to parse");
        }
    }
    return 0;
}
