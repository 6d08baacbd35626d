// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A zip archive opened for reading one member at a time, in pieces, with a cap on what is
// unpacked. Internal to the importer.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <functional>
#include <memory>

struct zip;

namespace importer {

class ZipArchive
{
public:
    // Throws vocabrix::error (parse) when the data is not a whole zip archive.
    static ZipArchive fromFile(const QString &path);
    // The bytes must outlive the archive.
    static ZipArchive fromBytes(const QByteArray &bytes);

    bool contains(const char *name) const;

    // Hands the member's bytes to `consume` piece by piece. Throws vocabrix::error (parse) when
    // it unpacks to more than `cap` bytes or cannot be read.
    void unpack(const char *name, qint64 cap,
                const std::function<void(QByteArrayView)> &consume) const;

private:
    struct Discard
    {
        void operator()(zip *archive) const;
    };

    explicit ZipArchive(zip *archive) : archive(archive) {}

    std::unique_ptr<zip, Discard> archive;
};

// The message for a member that unpacks beyond the cap.
QString unpackedTooMuch(qint64 cap);

} // namespace importer
