// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A zip archive opened for reading one member at a time, in pieces, with a cap on what is
// unpacked. Internal to the importer. The reading is libzip's, in the program's zip module
// (libziparchive.cpp), loaded with libzip the first time a package is read.

#include <QByteArray>
#include <QByteArrayView>
#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <functional>
#include <memory>

namespace importer {

class ZipArchive
{
public:
    virtual ~ZipArchive() = default;

    // Throws platform::Error (parse) when the data is not a whole zip archive, (io) when the
    // zip module cannot be loaded.
    static std::unique_ptr<ZipArchive> fromFile(const QString &path);
    // The bytes must outlive the archive.
    static std::unique_ptr<ZipArchive> fromBytes(const QByteArray &bytes);

    virtual bool contains(const char *name) const = 0;

    // Hands the member's bytes to `consume` piece by piece. Throws platform::Error (parse) when
    // it unpacks to more than `cap` bytes or cannot be read.
    virtual void unpack(const char *name, qint64 cap,
                        const std::function<void(QByteArrayView)> &consume) const = 0;
};

// The message for a member that unpacks beyond the cap.
inline QString unpackedTooMuch(qint64 cap)
{
    return QCoreApplication::translate(
               "importer",
               "The package unpacks to more than %1; it is refused as a possible zip bomb.")
        .arg(QLocale::system().formattedDataSize(cap, 0, QLocale::DataSizeTraditionalFormat));
}

} // namespace importer

// The zip module's one entry: an archive read from the file at `path`, or else from `bytes`.
extern "C" importer::ZipArchive *vocabrixOpenZip(const QString *path, const QByteArray *bytes);
