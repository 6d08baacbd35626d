// SPDX-License-Identifier: GPL-3.0-or-later
#include "zipentry.h"

#include "platform/modules.h"

// Defined where libzip is linked in (the zip module, and the test programs, which read their
// packages in-process); the program itself loads the module the first time.
extern "C" importer::ZipArchive *vocabrixOpenZip(const QString *path, const QByteArray *bytes)
    __attribute__((weak));

namespace importer {

namespace {

using Opener = ZipArchive *(*)(const QString *path, const QByteArray *bytes);

Opener opener()
{
    if (vocabrixOpenZip)
        return vocabrixOpenZip;
    // A module that cannot be loaded throws here, and the next package tries again.
    static const Opener loaded = reinterpret_cast<Opener>(
        platform::moduleFunction(QStringLiteral("vocabrix_zip"), "vocabrixOpenZip"));
    return loaded;
}

} // namespace

std::unique_ptr<ZipArchive> ZipArchive::fromFile(const QString &path)
{
    return std::unique_ptr<ZipArchive>(opener()(&path, nullptr));
}

std::unique_ptr<ZipArchive> ZipArchive::fromBytes(const QByteArray &bytes)
{
    return std::unique_ptr<ZipArchive>(opener()(nullptr, &bytes));
}

} // namespace importer
