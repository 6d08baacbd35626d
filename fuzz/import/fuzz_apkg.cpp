// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as an Anki package, with the review history: read or refused with a message, with a
// smaller cap on what is unpacked than the program's so that runs stay quick. Bytes that are a
// SQLite database are first packed as a package's collection, so that the fuzzer reaches the
// collection reader without having to build zip archives.

#include "import/ankipackage.h"
#include "platform/error.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <zip.h>

namespace {

void require(bool holds, const char *property)
{
    if (holds)
        return;
    std::fprintf(stderr, "property violated: %s\n", property);
    std::abort();
}

QByteArray packed(const QByteArray &collection)
{
    zip_source_t *target = zip_source_buffer_create(nullptr, 0, 0, nullptr);
    zip_t *archive = target ? zip_open_from_source(target, ZIP_TRUNCATE, nullptr) : nullptr;
    require(archive != nullptr, "a zip archive can be made in memory");
    zip_source_keep(target);
    zip_source_t *member =
        zip_source_buffer(archive, collection.constData(), zip_uint64_t(collection.size()), 0);
    const zip_int64_t index = zip_file_add(archive, "collection.anki2", member, 0);
    require(index >= 0 &&
                zip_set_file_compression(archive, zip_uint64_t(index), ZIP_CM_STORE, 0) == 0 &&
                zip_close(archive) == 0 && zip_source_open(target) == 0,
            "the collection can be packed");
    zip_source_seek(target, 0, SEEK_END);
    QByteArray bytes(qsizetype(zip_source_tell(target)), Qt::Uninitialized);
    zip_source_seek(target, 0, SEEK_SET);
    require(zip_source_read(target, bytes.data(), zip_uint64_t(bytes.size())) == bytes.size(),
            "the packed collection can be read");
    zip_source_close(target);
    zip_source_free(target);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // SQL drivers are plugins, found through the application.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.startsWith(QByteArrayView("SQLite format 3\0", 16)))
        bytes = packed(bytes);
    try {
        const importer::AnkiPackage package =
            importer::readAnkiPackage(bytes, {true, 16 * 1024 * 1024});
        for (const importer::AnkiReview &review : package.reviews)
            require(review.row >= 0 && review.row < package.table.rows.size() &&
                        review.rating >= 1 && review.rating <= 4,
                    "a review names a note and a rating");
        require(package.table.columns.size() == package.table.columnCount(),
                "every column has a name");
        (void)importer::importedReviews(package, package.table.mapping);
        (void)importer::toEntries(package.table);
    } catch (const platform::Error &) {
    }
    return 0;
}
