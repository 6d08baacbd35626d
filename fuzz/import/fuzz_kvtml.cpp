// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a KVTML document: read or refused, and the mapping points into the columns.

#include "import/kvtmlreader.h"
#include "platform/error.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const importer::Table table = importer::readKvtml(bytes);
        if (table.mapping.usage >= table.columns.size() || table.mapping.word != 0) {
            std::fprintf(stderr, "property violated: the mapping points into the columns\n");
            std::abort();
        }
        (void)importer::toEntries(table);
    } catch (const platform::Error &) {
    }
    return 0;
}
