// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as an Anki package, with the review history: read or refused with a message, with a
// smaller cap on what is unpacked than the program's so that runs stay quick.

#include "import/ankipackage.h"
#include "platform/error.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // SQL drivers are plugins, found through the application.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        const importer::AnkiPackage package =
            importer::readAnkiPackage(bytes, {true, 16 * 1024 * 1024});
        for (const importer::AnkiReview &review : package.reviews) {
            if (review.row < 0 || review.row >= package.table.rows.size() || review.rating < 1 ||
                review.rating > 4) {
                std::fprintf(stderr, "property violated: a review names a note and a rating\n");
                std::abort();
            }
        }
        (void)importer::importedReviews(package, package.table.mapping);
        (void)importer::toEntries(package.table);
    } catch (const vocabrix::error &) {
    }
    return 0;
}
