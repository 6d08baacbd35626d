// SPDX-License-Identifier: GPL-3.0-or-later
#include "ankipackage.h"

#include "ankicollection.h"
#include "htmltext.h"
#include "platform/error.h"
#include "zipentry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>
#include <array>
#include <memory>
#include <zstd.h>

namespace importer {

namespace {

[[noreturn]] void fail(platform::Error::Kind kind, const QString &message)
{
    throw platform::Error(kind, message);
}

// Writes what it is given into the temporary file, refusing more than the cap.
class CappedWriter
{
public:
    CappedWriter(QTemporaryFile &file, qint64 cap) : file(file), cap(cap) {}

    void write(QByteArrayView bytes)
    {
        written += bytes.size();
        if (written > cap)
            fail(platform::Error::overflow, unpackedTooMuch(cap));
        if (file.write(bytes.data(), bytes.size()) != bytes.size())
            fail(platform::Error::io,
                 QCoreApplication::translate("importer",
                                             "Cannot unpack the package into a temporary file: %1")
                     .arg(file.errorString()));
    }

    qint64 limit() const { return cap; }

private:
    QTemporaryFile &file;
    qint64 cap;
    qint64 written = 0;
};

// Streams zstd frames into the writer; the data must end with a whole frame.
class ZstdWriter
{
public:
    explicit ZstdWriter(CappedWriter &out)
        : out(out), stream(ZSTD_createDStream(), ZSTD_freeDStream)
    {
        if (!stream)
            throw std::bad_alloc();
    }

    void write(QByteArrayView bytes)
    {
        // The size a frame states refuses most bombs at once; the writer's count, the rest.
        const unsigned long long stated =
            ZSTD_getFrameContentSize(bytes.data(), size_t(bytes.size()));
        if (!started && stated != ZSTD_CONTENTSIZE_UNKNOWN && stated != ZSTD_CONTENTSIZE_ERROR &&
            stated > (unsigned long long)(out.limit()))
            fail(platform::Error::overflow, unpackedTooMuch(out.limit()));
        started = true;
        ZSTD_inBuffer in{bytes.data(), size_t(bytes.size()), 0};
        while (in.pos < in.size) {
            ZSTD_outBuffer output{buffer.data(), buffer.size(), 0};
            const size_t result = ZSTD_decompressStream(stream.get(), &output, &in);
            if (ZSTD_isError(result))
                invalid(QString::fromLatin1(ZSTD_getErrorName(result)));
            out.write(QByteArrayView(buffer.data(), qsizetype(output.pos)));
            frameEnded = result == 0;
        }
    }

    void finish()
    {
        // Output the decoder still holds for the last input.
        for (;;) {
            ZSTD_inBuffer in{nullptr, 0, 0};
            ZSTD_outBuffer output{buffer.data(), buffer.size(), 0};
            const size_t result = ZSTD_decompressStream(stream.get(), &output, &in);
            if (ZSTD_isError(result))
                invalid(QString::fromLatin1(ZSTD_getErrorName(result)));
            out.write(QByteArrayView(buffer.data(), qsizetype(output.pos)));
            frameEnded = frameEnded || result == 0;
            if (output.pos < output.size)
                break;
        }
        if (!frameEnded)
            invalid(QCoreApplication::translate("importer", "the data ends in the middle"));
    }

private:
    [[noreturn]] static void invalid(const QString &reason)
    {
        fail(platform::Error::parse,
             QCoreApplication::translate(
                 "importer", "The package's collection.anki21b is not valid zstd data: %1.")
                 .arg(reason));
    }

    CappedWriter &out;
    std::unique_ptr<ZSTD_DStream, size_t (*)(ZSTD_DStream *)> stream;
    std::array<char, 1 << 17> buffer;
    bool frameEnded = false;
    bool started = false;
};

// The newest collection the package holds: new packages keep a stub collection.anki2 for old
// versions of Anki beside the real one.
const char *chooseCollection(const ZipArchive &archive)
{
    for (const char *name : {"collection.anki21b", "collection.anki21", "collection.anki2"})
        if (archive.contains(name))
            return name;
    fail(platform::Error::parse,
         QCoreApplication::translate(
             "importer",
             "The zip archive holds no Anki collection (collection.anki21b, collection.anki21 "
             "or collection.anki2)."));
}

AnkiPackage readArchive(const ZipArchive &archive, const AnkiOptions &options)
{
    const char *member = chooseCollection(archive);
    QTemporaryFile database(
        QDir(QDir::tempPath()).filePath(QStringLiteral("vocabrix-anki-XXXXXX")));
    if (!database.open())
        fail(platform::Error::io,
             QCoreApplication::translate("importer",
                                         "Cannot unpack the package into a temporary file: %1")
                 .arg(database.errorString()));
    CappedWriter writer(database, options.maxUnpacked);
    if (qstrcmp(member, "collection.anki21b") == 0) {
        ZstdWriter decompressor(writer);
        archive.unpack(member, options.maxUnpacked,
                       [&](QByteArrayView bytes) { decompressor.write(bytes); });
        decompressor.finish();
    } else {
        archive.unpack(member, options.maxUnpacked,
                       [&](QByteArrayView bytes) { writer.write(bytes); });
    }
    if (!database.flush())
        fail(platform::Error::io,
             QCoreApplication::translate("importer",
                                         "Cannot unpack the package into a temporary file: %1")
                 .arg(database.errorString()));
    return readCollection(database.fileName(), options.withReviews);
}

} // namespace

AnkiPackage readAnkiPackage(const QByteArray &bytes, const AnkiOptions &options)
{
    return readArchive(*ZipArchive::fromBytes(bytes), options);
}

AnkiPackage readAnkiPackageFile(const QString &path, const AnkiOptions &options)
{
    if (!QFileInfo(path).isFile())
        fail(platform::Error::io,
             QCoreApplication::translate("importer", "Cannot read %1: there is no such file.")
                 .arg(QDir::toNativeSeparators(path)));
    return readArchive(*ZipArchive::fromFile(path), options);
}

QList<ImportedReview> importedReviews(const AnkiPackage &package, const Mapping &mapping)
{
    QList<QString> words(package.table.rows.size());
    QList<ImportedReview> reviews;
    for (const AnkiReview &review : package.reviews) {
        if (review.row < 0 || review.row >= package.table.rows.size())
            continue;
        QString &word = words[review.row];
        const QStringList &row = package.table.rows[review.row];
        if (word.isNull())
            word = mapping.word >= 0 && mapping.word < row.size() ? htmlToText(row[mapping.word])
                                                                  : QStringLiteral("");
        if (!word.isEmpty())
            reviews.append({word, review.time, review.rating});
    }
    return reviews;
}

} // namespace importer
