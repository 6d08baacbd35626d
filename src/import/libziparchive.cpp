// SPDX-License-Identifier: GPL-3.0-or-later
#include "zipentry.h"

#include "platform/error.h"

#include <QCoreApplication>
#include <QFile>
#include <array>
#include <zip.h>

namespace importer {

namespace {

[[noreturn]] void notAZip(zip_error_t &error)
{
    const QString reason = QString::fromLocal8Bit(zip_error_strerror(&error));
    zip_error_fini(&error);
    throw platform::Error(
        platform::Error::parse,
        QCoreApplication::translate(
            "importer",
            "The file is not a complete zip archive (it may be damaged or cut short): %1.")
            .arg(reason));
}

zip *openSource(zip_source_t *source, zip_error_t &error)
{
    if (!source)
        notAZip(error);
    zip *archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive) {
        zip_source_free(source);
        notAZip(error);
    }
    zip_error_fini(&error);
    return archive;
}

class LibZipArchive : public ZipArchive
{
public:
    explicit LibZipArchive(zip *archive) : archive(archive, zip_discard) {}

    bool contains(const char *name) const override
    {
        return zip_name_locate(archive.get(), name, 0) >= 0;
    }

    void unpack(const char *name, qint64 cap,
                const std::function<void(QByteArrayView)> &consume) const override;

private:
    std::unique_ptr<zip, void (*)(zip *)> archive;
};

void LibZipArchive::unpack(const char *name, qint64 cap,
                           const std::function<void(QByteArrayView)> &consume) const
{
    const auto cannotRead = [name](const char *reason) {
        throw platform::Error(
            platform::Error::parse,
            QCoreApplication::translate("importer", "The package's %1 cannot be unpacked: %2.")
                .arg(QLatin1String(name), QString::fromLocal8Bit(reason)));
    };
    const zip_int64_t index = zip_name_locate(archive.get(), name, 0);
    // The size the archive states refuses most bombs at once; the count below, the rest.
    zip_stat_t stat;
    if (index >= 0 && zip_stat_index(archive.get(), zip_uint64_t(index), 0, &stat) == 0 &&
        (stat.valid & ZIP_STAT_SIZE) && stat.size > zip_uint64_t(cap))
        throw platform::Error(platform::Error::overflow, unpackedTooMuch(cap));
    zip_file_t *file = index < 0 ? nullptr : zip_fopen_index(archive.get(), zip_uint64_t(index), 0);
    if (!file)
        cannotRead(zip_strerror(archive.get()));
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t *)> closer(file, zip_fclose);
    std::array<char, 1 << 16> buffer;
    qint64 total = 0;
    for (;;) {
        const zip_int64_t got = zip_fread(file, buffer.data(), buffer.size());
        if (got < 0)
            cannotRead(zip_file_strerror(file));
        if (got == 0)
            return;
        total += got;
        if (total > cap)
            throw platform::Error(platform::Error::overflow, unpackedTooMuch(cap));
        consume(QByteArrayView(buffer.data(), qsizetype(got)));
    }
}

} // namespace

} // namespace importer

extern "C" Q_DECL_EXPORT importer::ZipArchive *vocabrixOpenZip(const QString *path,
                                                               const QByteArray *bytes)
{
    zip_error_t error;
    zip_error_init(&error);
    const QByteArray name = path ? QFile::encodeName(*path) : QByteArray();
    zip_source_t *source =
        path ? zip_source_file_create(name.constData(), 0, -1, &error)
             : zip_source_buffer_create(bytes->constData(), zip_uint64_t(bytes->size()), 0, &error);
    return new importer::LibZipArchive(importer::openSource(source, error));
}
